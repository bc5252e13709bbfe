# SPDX-License-Identifier: MIT
# Run at install time: copies the DLLs that the installed programs and plugins import, and those
# DLLs' own imports in turn, from the Qt prefix and the compiler's folders into the install folder.
# DLLs found in none of those folders are Windows' own. Reads the imports with objdump -p.
#   OBJDUMP, FOLDER (the install folder), PROGRAMS (paths relative to it), SEARCH (folders),
#   STRIP (set for a stripped install: the tool that strips the copies)
cmake_minimum_required(VERSION 3.25)

set(pending ${PROGRAMS})
set(seen)
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND ${OBJDUMP} -p ${FOLDER}/${file}
        OUTPUT_VARIABLE headers RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} -p ${FOLDER}/${file} failed")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
    foreach(import IN LISTS imports)
        string(REPLACE "DLL Name: " "" dll "${import}")
        string(TOLOWER "${dll}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        foreach(folder IN LISTS SEARCH)
            if(EXISTS ${folder}/${dll})
                message(STATUS "Runtime: ${dll} (for ${file}, from ${folder})")
                file(COPY ${folder}/${dll} DESTINATION ${FOLDER})
                if(STRIP)
                    execute_process(COMMAND ${STRIP} --strip-unneeded ${FOLDER}/${dll}
                        COMMAND_ERROR_IS_FATAL ANY)
                endif()
                list(APPEND pending ${dll})
                break()
            endif()
        endforeach()
    endforeach()
endwhile()
