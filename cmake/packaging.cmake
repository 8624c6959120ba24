# Install layout and the Debian package.
#   cmake --install build --prefix /usr        installs by hand
#   (cd build && cpack -G DEB)                  makes vektor-editor_<version>_<arch>.deb

include(GNUInstallDirs)

# The menu entry, the icons and the executable share one name, so that the
# desktop finds the icon by name and ties the running window to the entry.
set(VEKTOR_APP_ID vektor-editor)

install(TARGETS vektor-editor vektor-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${VEKTOR_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 256)
    install(FILES packaging/icons/${VEKTOR_APP_ID}-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${VEKTOR_APP_ID}.png)
endforeach()
# Older menus and window managers look only here.
install(FILES packaging/icons/${VEKTOR_APP_ID}-48.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps RENAME ${VEKTOR_APP_ID}.png)

# What software centres show: the AppStream metainfo beside the menu entry.
# Its id stays the same for good once published; the addresses are where the
# project and its docs/screenshots folder are on the web.
set(VEKTOR_APPSTREAM_ID invalid.vektor_editor.VektorEditor CACHE STRING "AppStream id (reverse-DNS of the project's home)")
set(VEKTOR_HOMEPAGE https://vektor-editor.invalid CACHE STRING "The project's web page")
set(VEKTOR_SCREENSHOT_URL ${VEKTOR_HOMEPAGE}/docs/screenshots CACHE STRING "Web address of the docs/screenshots folder")
configure_file(packaging/${VEKTOR_APP_ID}.metainfo.xml.in ${VEKTOR_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${VEKTOR_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(VEKTOR_PACKAGE_MAINTAINER "Vektor Editor developers <maintainers@vektor-editor.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME ${VEKTOR_APP_ID})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vektor Editor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the memory of the Vektor MIDI foot controller")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEKTOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Edits the global settings and the 270 presets of the Vektor MIDI foot
controller, copies and resets presets, imports the memory of the Kestrel,
and moves the memory to and from the controller as SysEx dumps (MIDI File
Dump format). It can also send a firmware update. The command-line tool
vektor-tool converts, checks, exports, imports and compares memories and
dumps without a window.")
# dpkg-shlibdeps finds the libraries the executable links; the Qt platform and
# image-format plugins it loads at run time come with libqt5gui5, which it
# links, so nothing has to be added by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The hicolor theme's folders and index come with any desktop; menus and icon
# caches are refreshed by the triggers of the packages that own them. The
# editor's own translations are built in; Qt's, for its standard buttons and
# file dialogs, come with qttranslations5-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qttranslations5-l10n")

include(CPack)

# Installs the package on a fresh Debian tree (or on this system) and starts
# it; needs root, so it skips itself elsewhere. Not in instrumented builds: the
# package is made from the plain one.
if(BUILD_TESTING AND NOT VEKTOR_SANITIZE AND NOT VEKTOR_FUZZ)
    add_test(NAME packaging_install_and_run
        COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/install_and_run.sh
            ${PROJECT_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${PROJECT_VERSION})
    set_tests_properties(packaging_install_and_run PROPERTIES
        LABELS packaging SKIP_RETURN_CODE 77 TIMEOUT 900)
endif()
