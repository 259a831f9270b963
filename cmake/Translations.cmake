# The window's translations: each i18n/transcalc_<code>.ts is compiled by
# lrelease into a .qm that the program embeds under :/i18n/, and the target
# transcalc_lupdate brings the .ts files up to date with the texts of app/.
# Both tools come with Debian's qt6-l10n-tools, which has no CMake package:
# they are found beside the other Qt tools.
find_program(TRANSCALC_LRELEASE lrelease HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
             NO_DEFAULT_PATH REQUIRED)
find_program(TRANSCALC_LUPDATE lupdate HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
             NO_DEFAULT_PATH REQUIRED)

# transcalc_add_translations(TARGET SOURCES_DIR TS_FILE...)
function(transcalc_add_translations target sources_dir)
    set(qm_files)
    file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/i18n")
    foreach(ts_file IN LISTS ARGN)
        get_filename_component(name "${ts_file}" NAME_WE)
        set(qm_file "${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm")
        add_custom_command(OUTPUT "${qm_file}"
            COMMAND "${TRANSCALC_LRELEASE}" -silent "${ts_file}" -qm "${qm_file}"
            DEPENDS "${ts_file}"
            COMMENT "Compiling the translation ${name}"
            VERBATIM)
        list(APPEND qm_files "${qm_file}")
    endforeach()
    qt_add_resources(${target} ${target}_translations
        PREFIX /i18n
        BASE "${CMAKE_CURRENT_BINARY_DIR}/i18n"
        FILES ${qm_files})
    # Every text of the window's sources; texts no longer there are dropped.
    add_custom_target(transcalc_lupdate
        COMMAND "${TRANSCALC_LUPDATE}" -silent -no-obsolete -locations none
                -source-language ru_RU -target-language en
                -extensions cpp,h,ui "${sources_dir}" -ts ${ARGN}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        COMMENT "Bringing the translations up to date with the window's texts"
        VERBATIM)
endfunction()
