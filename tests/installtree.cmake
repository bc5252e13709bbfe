# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, checks that every file a desktop looks for is there,
# and runs the freedesktop.org validators on them when they are installed.
#   cmake -DBUILD_DIR=… -DPREFIX=… -DCONFIG=… -DBINDIR=bin -DDATADIR=share -DEXE=parlino -P installtree.cmake
# Prints "SKIPPED:" when neither validator is present.

file(REMOVE_RECURSE "${PREFIX}")
set(config_args)
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_args}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(app_id org.parlino.Parlino)
set(desktop_file "${PREFIX}/${DATADIR}/applications/${app_id}.desktop")
set(metainfo_file "${PREFIX}/${DATADIR}/metainfo/${app_id}.metainfo.xml")
foreach(file
        "${PREFIX}/${BINDIR}/${EXE}"
        "${desktop_file}"
        "${metainfo_file}"
        "${PREFIX}/${DATADIR}/icons/hicolor/16x16/apps/${app_id}.png"
        "${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/${app_id}.png")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE AND NOT APPSTREAMCLI)
    message("SKIPPED: files installed, but neither desktop-file-validate nor appstreamcli is here")
    return()
endif()

if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop_file}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    # It exits 0 on warnings; they count here too.
    if(NOT result EQUAL 0 OR output MATCHES "error|warning")
        message(FATAL_ERROR "desktop-file-validate:\n${output}")
    endif()
    message(STATUS "desktop-file-validate: ${desktop_file} is valid")
else()
    message(STATUS "desktop-file-validate not found; desktop entry not validated")
endif()

if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo_file}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate:\n${output}")
    endif()
    message(STATUS "appstreamcli: ${output}")
else()
    message(STATUS "appstreamcli not found; metainfo not validated")
endif()
