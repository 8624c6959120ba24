# Install layout and the Debian package.
#   cmake --install build --prefix /usr        installs by hand
#   (cd build && cpack -G DEB)                  makes vektor-editor_<version>-<release>_<arch>.deb

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

# A package is for the release it was built on: dpkg-shlibdeps takes the names
# of that release's library packages, which the next release may rename (Qt 5's
# libqt5core5a became libqt5core5t64 in Debian 13). The release goes into the
# package's version and file name: 1.5.1-deb12, 1.5.1-deb13.
if(NOT DEFINED VEKTOR_PACKAGE_RELEASE)
    set(release_id "")
    set(release_version "")
    set(release_codename "")
    if(EXISTS /etc/os-release)
        file(STRINGS /etc/os-release os_release REGEX "^(ID|VERSION_ID|VERSION_CODENAME)=")
        foreach(line IN LISTS os_release)
            string(REGEX REPLACE "^([A-Z_]+)=\"?([^\"]*)\"?$" "\\1;\\2" pair "${line}")
            list(GET pair 0 key)
            list(LENGTH pair fields)
            if(fields EQUAL 2)
                list(GET pair 1 value)
                if(key STREQUAL "ID")
                    set(release_id "${value}")
                elseif(key STREQUAL "VERSION_ID")
                    set(release_version "${value}")
                else()
                    set(release_codename "${value}")
                endif()
            endif()
        endforeach()
    endif()
    if(release_id STREQUAL "debian" AND release_version)
        set(release "deb${release_version}")
    elseif(release_id)
        # Testing, unstable or another distribution: its codename or version.
        set(release "${release_id}${release_version}")
        if(NOT release_version AND release_codename)
            set(release "${release_id}-${release_codename}")
        endif()
    else()
        set(release "unknown")
    endif()
    string(REGEX REPLACE "[^A-Za-z0-9.+~]" "+" release "${release}")
    set(VEKTOR_PACKAGE_RELEASE "${release}" CACHE STRING
        "Release the Debian package is made for, the end of its version (deb12, deb13)")
endif()

set(CPACK_PACKAGE_NAME ${VEKTOR_APP_ID})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VEKTOR_PACKAGE_RELEASE})
set(VEKTOR_PACKAGE_VERSION ${PROJECT_VERSION}-${VEKTOR_PACKAGE_RELEASE})
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
# image-format plugins it loads at run time come with Qt's Gui library package
# (libqt5gui5, or Qt 6's qt6-qpa-plugins, which libqt6gui6 depends on), so
# nothing has to be added by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The hicolor theme's folders and index come with any desktop; menus and icon
# caches are refreshed by the triggers of the packages that own them. The
# editor's own translations are built in; Qt's, for its standard buttons and
# file dialogs, come with qttranslations5-l10n (Qt 6: qt6-translations-l10n).
if(QT_VERSION_MAJOR EQUAL 6)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-translations-l10n")
else()
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qttranslations5-l10n")
endif()
# The DAW package's MIDNAM files name the sounds of hundreds of devices that
# the Rig Names window offers to choose from.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ardour-data")

include(CPack)

# Installs the package on a fresh Debian tree (or on this system) and starts
# it; needs root, so it skips itself elsewhere. Not in instrumented builds: the
# package is made from the plain one.
if(BUILD_TESTING AND NOT VEKTOR_SANITIZE AND NOT VEKTOR_FUZZ)
    add_test(NAME packaging_install_and_run
        COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/install_and_run.sh
            ${PROJECT_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${VEKTOR_PACKAGE_VERSION})
    # VEKTOR_PACKAGE_RELEASES=bookworm,trixie checks the other release too,
    # building its package in a tree of its own: some 20 minutes more.
    set_tests_properties(packaging_install_and_run PROPERTIES
        LABELS packaging SKIP_RETURN_CODE 77 TIMEOUT 3600)
endif()
