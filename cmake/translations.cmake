# The editor in Spanish and German. translations/*.ts are the translators'
# files; lrelease compiles them and the program carries the result as a
# resource (":/translations/vektor_xx.qm").
#   cmake --build build --target update_translations
# collects the texts of the code and the forms into the .ts files again (new
# texts arrive unfinished; the translation check fails until they are done).

set(VEKTOR_TRANSLATION_FILES
    ${PROJECT_SOURCE_DIR}/translations/vektor_de.ts
    ${PROJECT_SOURCE_DIR}/translations/vektor_es.ts)
# Everything the editor shows; the command-line tool speaks English only.
set(VEKTOR_TRANSLATED_SOURCES
    forms src/app src/check src/config src/editors src/history src/kestrel src/library src/midi src/sysex src/transfer
    src/historywindow src/memory_file src/rig src/monitor src/rignames src/rignamesdialog src/notes)

set_source_files_properties(${VEKTOR_TRANSLATION_FILES} PROPERTIES
    OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/translations)
if(QT_VERSION_MAJOR EQUAL 6)
    qt6_add_translation(VEKTOR_QM_FILES ${VEKTOR_TRANSLATION_FILES})
else()
    qt5_add_translation(VEKTOR_QM_FILES ${VEKTOR_TRANSLATION_FILES})
endif()

set(VEKTOR_QM_ENTRIES "")
foreach(qm IN LISTS VEKTOR_QM_FILES)
    get_filename_component(name ${qm} NAME)
    string(APPEND VEKTOR_QM_ENTRIES "        <file>${name}</file>\n")
endforeach()
configure_file(translations/vektor_translations.qrc.in
    ${PROJECT_BINARY_DIR}/translations/vektor_translations.qrc @ONLY)
target_sources(vektor_ui PRIVATE ${PROJECT_BINARY_DIR}/translations/vektor_translations.qrc ${VEKTOR_QM_FILES})

# Without locations the files change only where texts do, which keeps merges
# of branches that add texts small.
add_custom_target(update_translations
    COMMAND Qt${QT_VERSION_MAJOR}::lupdate -no-obsolete -locations none ${VEKTOR_TRANSLATED_SOURCES} -ts ${VEKTOR_TRANSLATION_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Collecting the editor's texts into translations/*.ts"
    VERBATIM)
