# SPDX-License-Identifier: MIT
# The optimised builds (Release, RelWithDebInfo, MinSizeRel) and so the Debian package get Debian's
# hardening flags: what `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags` gives where dpkg
# is installed, the same list otherwise; a Windows build gets their counterparts for PE files. They
# go on parlino_options, so every target of ours has them. Sanitizer and fuzzer builds keep their
# own instrumentation and get none of them.

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# Position-independent executables, compiled and linked as such.
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Debian builds at -O2; CMake's Release default is -O3.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

if(PARLINO_SANITIZE OR PARLINO_FUZZ)
    return()
endif()

set(hardening_compile -fstack-protector-strong -Wformat -Werror=format-security)
set(hardening_definitions _FORTIFY_SOURCE=2)
set(hardening_link -Wl,-z,relro -Wl,-z,now)
if(WIN32)
    # PE files have no RELRO and no lazy binding to turn off. Their counterparts: address space
    # layout randomisation with the whole 64-bit range, and data that cannot be executed. The
    # stack protector and the fortified functions live in GCC's libssp there, which the driver
    # links only when the link step is told too; libssp-0.dll ships beside the program.
    set(hardening_link -fstack-protector-strong
        -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(DPKG_BUILDFLAGS)
# A cross build must not take the build host's flags.
if(DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING)
    set(hardening_compile)
    set(hardening_definitions)
    set(hardening_link)
    foreach(kind CXXFLAGS CPPFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        foreach(flag IN LISTS flags)
            # The build type chooses optimisation and debug information, and paths stay absolute
            # so that a debugger finds the sources.
            if(flag MATCHES "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
                continue()
            elseif(flag MATCHES "^-D(.*)$")
                list(APPEND hardening_definitions ${CMAKE_MATCH_1})
            elseif(kind STREQUAL "LDFLAGS")
                list(APPEND hardening_link ${flag})
            else()
                list(APPEND hardening_compile ${flag})
            endif()
        endforeach()
    endforeach()
endif()

# Newer dpkg adds these to +all as well; Debian 12's does not yet.
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "PARLINO_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported} AND NOT flag IN_LIST hardening_compile)
        list(APPEND hardening_compile ${flag})
    endif()
endforeach()
list(JOIN hardening_compile " " shown)
list(JOIN hardening_link " " shown_link)
message(STATUS "Hardening of optimised builds: ${shown} (${hardening_definitions}) ${shown_link}")

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
target_compile_options(parlino_options INTERFACE "$<${optimised}:${hardening_compile}>")
target_compile_definitions(parlino_options INTERFACE "$<${optimised}:${hardening_definitions}>")
target_link_options(parlino_options INTERFACE "$<${optimised}:${hardening_link}>")
