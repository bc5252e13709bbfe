# SPDX-License-Identifier: MIT
# The optimised builds (Release, RelWithDebInfo, MinSizeRel) and so the Debian package get Debian's
# hardening flags: what `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags` gives where dpkg
# is installed, the same list otherwise. They go on parlino_options, so every target of ours has
# them. Sanitizer and fuzzer builds keep their own instrumentation and get none of them.

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
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(DPKG_BUILDFLAGS)
if(DPKG_BUILDFLAGS)
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
