# SPDX-License-Identifier: MIT
# Run at install time: copies the DLLs that the installed programs and plugins import, and those
# DLLs' own imports in turn, from the Qt, OpenSSL and port-mapping prefixes and the compiler's
# folders into the install folder.
# DLLs found in none of those folders are Windows' own.
#   OBJDUMP, FOLDER (the install folder), PROGRAMS (paths relative to it), SEARCH (folders),
#   LINKS (a scratch folder), STRIP (set for a stripped install: the tool that strips the copies)
cmake_minimum_required(VERSION 3.25)

# Windows compares DLL names without case, and so does file(GET_RUNTIME_DEPENDENCIES): it looks
# for "qt6core.dll". On a file system with case, it finds the DLLs through links of such names.
file(REMOVE_RECURSE ${LINKS})
file(MAKE_DIRECTORY ${LINKS})
foreach(folder IN LISTS SEARCH)
    file(GLOB dlls ${folder}/*.dll)
    foreach(dll IN LISTS dlls)
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT EXISTS ${LINKS}/${name})  # the first folder that has it
            file(CREATE_LINK ${dll} ${LINKS}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${OBJDUMP})
list(TRANSFORM PROGRAMS PREPEND ${FOLDER}/)
file(GET_RUNTIME_DEPENDENCIES LIBRARIES ${PROGRAMS} DIRECTORIES ${LINKS}
    PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
    RESOLVED_DEPENDENCIES_VAR found UNRESOLVED_DEPENDENCIES_VAR windows_own)
foreach(link IN LISTS found)
    file(REAL_PATH ${link} dll)
    get_filename_component(name ${dll} NAME)
    message(STATUS "Runtime: ${name} (from ${dll})")
    file(COPY ${dll} DESTINATION ${FOLDER})
    if(STRIP)
        execute_process(COMMAND ${STRIP} --strip-unneeded ${FOLDER}/${name}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
