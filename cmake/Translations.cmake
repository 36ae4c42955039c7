# Interface-language catalogs. res/translations/<program>-<language id>.ts
# (parlix-desk-1040.ts: Italian) compile into <program>-<id>.qm in the program
# folder, where the GUI finds them, and install beside the program.
#
#   parlix_add_translations(TARGET <program> [SOURCE_DIRS <dir>...] [DESTINATION <dir>])
#
# builds the catalogs in the target parlix-translations (part of "all", and of
# <program> once that target exists) and adds the target update-translations,
# which refreshes every catalog from the core (src/base ... src/app), src/ui and
# the SOURCE_DIRS given. The top-level CMakeLists calls it for parlix-desk; the
# GUI's CMakeLists may call it instead, for further folders:
#
#   parlix_add_translations(TARGET parlix-desk SOURCE_DIRS ${CMAKE_CURRENT_SOURCE_DIR}/forms)
#
# Core texts are marked PX_TR("Context", "Text") (base/Text.h), which lupdate
# collects as QT_TRANSLATE_NOOP; GUI texts use Qt's tr(). Without Qt's
# LinguistTools the function only says so and the build goes on without
# catalogs.
#
# Run with -P, the file is the refresh step of update-translations itself:
#   cmake -DLUPDATE=<exe> -DTS_FILES=<a|b> -DSOURCE_DIRS=<a|b> -P Translations.cmake

set(PARLIX_LUPDATE_OPTIONS -silent -locations none -no-obsolete -source-language en
                           -tr-function-alias QT_TRANSLATE_NOOP+=PX_TR)

if(CMAKE_SCRIPT_MODE_FILE)
    string(REPLACE "|" ";" ts_files "${TS_FILES}")
    string(REPLACE "|" ";" source_dirs "${SOURCE_DIRS}")
    # src/ui may not exist yet; lupdate refuses a missing folder.
    set(present)
    foreach(dir ${source_dirs})
        if(IS_DIRECTORY ${dir})
            list(APPEND present ${dir})
        endif()
    endforeach()
    # The includes name headers from src/; without them lupdate misses the
    # namespace of a class, and tr() texts land under a context ("MainWindow")
    # that the running program ("parlix::ui::MainWindow") never looks up.
    get_filename_component(include_dir ${CMAKE_CURRENT_LIST_DIR}/../src ABSOLUTE)
    execute_process(COMMAND ${LUPDATE} ${PARLIX_LUPDATE_OPTIONS} -I ${include_dir} ${present}
                            -ts ${ts_files}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed (${result})")
    endif()
    return()
endif()

include(GNUInstallDirs)

function(parlix_add_translations)
    cmake_parse_arguments(ARG "" "TARGET;DESTINATION" "SOURCE_DIRS" ${ARGN})
    if(NOT ARG_TARGET)
        message(FATAL_ERROR "parlix_add_translations: TARGET is required")
    endif()
    if(TARGET parlix-translations)
        message(FATAL_ERROR "parlix_add_translations: the catalogs are set up already")
    endif()
    if(NOT ARG_DESTINATION)
        set(ARG_DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()

    find_package(Qt6 QUIET COMPONENTS LinguistTools)
    if(NOT TARGET Qt6::lrelease OR NOT TARGET Qt6::lupdate)
        message(STATUS "Qt6 LinguistTools not found: no interface-language catalogs")
        return()
    endif()

    set(ts_dir ${PROJECT_SOURCE_DIR}/res/translations)
    file(GLOB ts_files CONFIGURE_DEPENDS ${ts_dir}/${ARG_TARGET}-*.ts)
    set(qm_files)
    foreach(ts ${ts_files})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}.qm)
        # An unfinished entry is left out: the text then shows in English.
        add_custom_command(OUTPUT ${qm}
                           COMMAND Qt6::lrelease -silent -nounfinished ${ts} -qm ${qm}
                           DEPENDS ${ts} VERBATIM
                           COMMENT "Compiling the catalog ${name}.qm")
        list(APPEND qm_files ${qm})
    endforeach()
    add_custom_target(parlix-translations ALL DEPENDS ${qm_files})
    install(FILES ${qm_files} DESTINATION ${ARG_DESTINATION})

    set(dirs)
    foreach(layer base link module jobs external app ui)
        list(APPEND dirs ${PROJECT_SOURCE_DIR}/src/${layer})
    endforeach()
    list(APPEND dirs ${ARG_SOURCE_DIRS})
    list(JOIN dirs "|" dirs)
    list(JOIN ts_files "|" ts_list)
    add_custom_target(update-translations
                      COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                              "-DTS_FILES=${ts_list}" "-DSOURCE_DIRS=${dirs}"
                              -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM
                      COMMENT "Refreshing the catalogs in ${ts_dir}")

    # The program may be defined after this call; it brings its catalogs along.
    cmake_language(EVAL CODE "
        cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL
                       parlix_translations_follow [[${ARG_TARGET}]])")
endfunction()

function(parlix_translations_follow program)
    if(TARGET ${program})
        add_dependencies(${program} parlix-translations)
    endif()
endfunction()
