# SPDX-License-Identifier: MIT
# Installs the build into a scratch root as the package lays it out (under usr/), checks that
# every file a desktop, a software centre and Debian look for is there, and runs their checkers:
# desktop-file-validate, appstreamcli validate and compose, and for an optimised build
# hardening-check on the program and lintian on the package CPack makes.
#   cmake -DBUILD_DIR=… -DROOT=… -DCONFIG=… -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man
#         -DEXE=parlino -DMODULE=lib/parlino/parlino_tls.so
#         -DROUTER_MODULE=lib/parlino/parlino_router.so -DPACKAGE=ON|OFF -P installtree.cmake
# Prints "SKIPPED:" naming the checkers that are not installed; any failure is fatal.

# Runs a command; it fails on a non-zero status or when its output matches `bad`.
function(check what bad)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR (bad AND output MATCHES "${bad}"))
        message(FATAL_ERROR "${what}:\n${output}")
    endif()
    message(STATUS "${what}: ${output}")
endfunction()

file(REMOVE_RECURSE "${ROOT}" "${ROOT}-catalog" "${ROOT}-package")
set(prefix "${ROOT}/usr")
check("cmake --install" "" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    --config "${CONFIG}")

set(app_id org.parlino.Parlino)
set(share "${prefix}/${DATADIR}")
set(binary "${prefix}/${BINDIR}/${EXE}")
set(desktop_file "${share}/applications/${app_id}.desktop")
set(module "${prefix}/${MODULE}")
set(router_module "${prefix}/${ROUTER_MODULE}")
set(expected "${binary}" "${module}" "${router_module}" "${desktop_file}" "${share}/metainfo/${app_id}.metainfo.xml"
    "${share}/icons/hicolor/scalable/apps/${app_id}.svg" "${share}/doc/parlino/copyright"
    "${share}/doc/parlino/changelog.gz")
foreach(px 16 32 48 64 128 256)
    list(APPEND expected "${share}/icons/hicolor/${px}x${px}/apps/${app_id}.png")
endforeach()
# The package's checkers only for an optimised build.
set(missing)
foreach(tool help2man desktop-file-validate appstreamcli hardening-check lintian)
    string(MAKE_C_IDENTIFIER "${tool}" var)
    if(PACKAGE OR NOT tool MATCHES "hardening|lintian")
        find_program(${var} ${tool})
        if(NOT ${var})
            list(APPEND missing ${tool})
        endif()
    endif()
endforeach()
if(help2man)
    list(APPEND expected "${prefix}/${MANDIR}/man1/parlino.1.gz")
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

if(desktop_file_validate)
    # It exits 0 on warnings; they count here too.
    check(desktop-file-validate "error|warning" "${desktop_file_validate}" "${desktop_file}")
endif()
if(appstreamcli)
    check("appstreamcli validate" "" "${appstreamcli}" validate --no-net
        "${share}/metainfo/${app_id}.metainfo.xml")
    # What a software centre's catalogue gets, icon included.
    check("appstreamcli compose" "" "${appstreamcli}" compose --no-net --no-color
        --print-report=full --origin=parlino "--result-root=${ROOT}-catalog" "${ROOT}")
    file(GLOB icons "${ROOT}-catalog/usr/share/swcatalog/icons/parlino/*/${app_id}.png")
    if(NOT icons OR NOT EXISTS "${ROOT}-catalog/usr/share/swcatalog/xml/parlino.xml.gz")
        message(FATAL_ERROR "appstreamcli compose made no catalogue entry with an icon")
    endif()
endif()
if(hardening_check)
    # Debian 12's C start-up files carry no CET marking, so no program linked there shows
    # control-flow protection, though ours is compiled with it.
    check(hardening-check "" "${hardening_check}" --nocfprotection "${binary}")
    # The module is compiled with _FORTIFY_SOURCE too, but its only copies are memcpy and memmove
    # of sizes known at run time, which have no checked variant to call.
    check("hardening-check (module)" "" "${hardening_check}" --nocfprotection --nofortify
        "${module}")
    check("hardening-check (router module)" "" "${hardening_check}" --nocfprotection
        "${router_module}")
endif()
if(lintian)
    check(cpack "" "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
        -B "${ROOT}-package" -C "${CONFIG}")
    file(GLOB deb "${ROOT}-package/*.deb")
    check("lintian ${deb}" "(^|\n)[EW]: " "${lintian}" "${deb}")
endif()

if(missing)
    message("SKIPPED: the installed tree is complete, but these checkers are missing: "
            "${missing} (scripts/setup.sh test installs them)")
endif()
