# SPDX-License-Identifier: MIT
# Every language is complete: each translation, brought up to date with the sources in a scratch
# copy, has no unfinished or obsolete entry, and the desktop entry and the AppStream metainfo
# speak each language too.
#   cmake -DSOURCE_DIR=… -DWORK_DIR=… -DLUPDATE=… -DLRELEASE=… -P translations.cmake

file(GLOB ts_files "${SOURCE_DIR}/translations/parlino_*.ts")
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
file(READ "${SOURCE_DIR}/data/org.parlino.Parlino.desktop" desktop)
file(READ "${SOURCE_DIR}/data/org.parlino.Parlino.metainfo.xml.in" metainfo)
file(MAKE_DIRECTORY "${WORK_DIR}")
set(problems "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME_WE)
    string(REPLACE "parlino_" "" language "${name}")
    set(copy "${WORK_DIR}/${name}.ts")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -locations none ${sources} -ts "${copy}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    execute_process(COMMAND "${LRELEASE}" "${copy}" -qm "${WORK_DIR}/${name}.qm"
        RESULT_VARIABLE released OUTPUT_VARIABLE report ERROR_VARIABLE report)
    file(READ "${copy}" updated)
    if(NOT result EQUAL 0 OR NOT released EQUAL 0)
        string(APPEND problems "${language}: ${output}${report}\n")
    elseif(NOT report MATCHES " 0 unfinished" OR report MATCHES "untranslated" OR
           updated MATCHES "type=\"(obsolete|vanished)\"")
        string(APPEND problems "${language}: not up to date with the sources: ${report}\n")
    endif()
    if(NOT language STREQUAL "en" AND (NOT desktop MATCHES "\nComment\\[${language}\\]=" OR
                                       NOT metainfo MATCHES "<summary xml:lang=\"${language}\">"))
        string(APPEND problems "${language}: missing from the desktop entry or metainfo\n")
    endif()
endforeach()
if(problems)
    message(FATAL_ERROR "${problems}")
endif()
list(LENGTH ts_files count)
message(STATUS "${count} languages complete")
