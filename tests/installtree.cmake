# SPDX-License-Identifier: MIT
# Installs the build into a scratch root as the package lays it out (under usr/), checks that
# every file a desktop, a software centre and Debian look for is there, and runs their checkers:
# desktop-file-validate, appstreamcli validate and compose, and for an optimised build
# hardening-check on the program and lintian on the package CPack makes.
#   cmake -DBUILD_DIR=… -DROOT=… -DCONFIG=… -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man
#         -DEXE=parlino -DPACKAGE=ON|OFF -P installtree.cmake
# Prints "SKIPPED:" naming the checkers that are not installed; any failure is fatal.

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    set(result "${result}" PARENT_SCOPE)
    set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${ROOT}" "${ROOT}-catalog" "${ROOT}-package")
set(prefix "${ROOT}/usr")
set(install_args)
set(cpack_args)
if(CONFIG)
    set(install_args --config "${CONFIG}")
    set(cpack_args -C "${CONFIG}")
endif()
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" ${install_args})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(app_id org.parlino.Parlino)
set(binary "${prefix}/${BINDIR}/${EXE}")
set(desktop_file "${prefix}/${DATADIR}/applications/${app_id}.desktop")
set(metainfo_file "${prefix}/${DATADIR}/metainfo/${app_id}.metainfo.xml")
set(expected "${binary}" "${desktop_file}" "${metainfo_file}"
    "${prefix}/${DATADIR}/icons/hicolor/scalable/apps/${app_id}.svg"
    "${prefix}/${DATADIR}/doc/parlino/copyright" "${prefix}/${DATADIR}/doc/parlino/changelog.gz")
foreach(px 16 32 48 64 128 256)
    list(APPEND expected "${prefix}/${DATADIR}/icons/hicolor/${px}x${px}/apps/${app_id}.png")
endforeach()
set(missing_tools)
find_program(HELP2MAN help2man)
if(HELP2MAN)
    list(APPEND expected "${prefix}/${MANDIR}/man1/parlino.1.gz")
else()
    list(APPEND missing_tools help2man)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

set(checks desktop-file-validate appstreamcli)
if(PACKAGE)
    list(APPEND checks hardening-check lintian)
endif()
foreach(tool IN LISTS checks)
    string(MAKE_C_IDENTIFIER "${tool}" var)
    find_program(${var} ${tool})
    if(NOT ${var})
        list(APPEND missing_tools ${tool})
    endif()
endforeach()

if(desktop_file_validate)
    run("${desktop_file_validate}" "${desktop_file}")
    # It exits 0 on warnings; they count here too.
    if(NOT result EQUAL 0 OR output MATCHES "error|warning")
        message(FATAL_ERROR "desktop-file-validate:\n${output}")
    endif()
endif()

if(appstreamcli)
    run("${appstreamcli}" validate --no-net "${metainfo_file}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate:\n${output}")
    endif()
    # What a software centre's catalogue gets, icon included.
    run("${appstreamcli}" compose --no-net --no-color --print-report=full --origin=parlino
        "--result-root=${ROOT}-catalog" "${ROOT}")
    file(GLOB catalog "${ROOT}-catalog/usr/share/swcatalog/xml/parlino.xml.gz")
    if(NOT result EQUAL 0 OR NOT catalog)
        message(FATAL_ERROR "appstreamcli compose:\n${output}")
    endif()
    file(GLOB cached_icons "${ROOT}-catalog/usr/share/swcatalog/icons/parlino/*/${app_id}.png")
    if(NOT cached_icons)
        message(FATAL_ERROR "appstreamcli compose stored no icon:\n${output}")
    endif()
    list(LENGTH cached_icons count)
    message(STATUS "appstreamcli compose: a catalogue entry with ${count} icon sizes")
endif()

if(hardening_check)
    # Debian 12's C start-up files carry no CET marking, so no program linked there shows
    # control-flow protection, though ours is compiled with it.
    run("${hardening_check}" --nocfprotection "${binary}")
    message(STATUS "${output}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "hardening-check failed")
    endif()
endif()

if(lintian)
    run("${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
        -B "${ROOT}-package" ${cpack_args})
    file(GLOB deb "${ROOT}-package/*.deb")
    if(NOT result EQUAL 0 OR NOT deb)
        message(FATAL_ERROR "cpack:\n${output}")
    endif()
    run("${lintian}" "${deb}")
    message(STATUS "lintian ${deb}:\n${output}")
    if(output MATCHES "(^|\n)[EW]: ")
        message(FATAL_ERROR "lintian found errors or warnings")
    endif()
endif()

if(missing_tools)
    message("SKIPPED: the installed tree is complete, but these checkers are missing: "
            "${missing_tools} (scripts/setup.sh test installs them)")
endif()
