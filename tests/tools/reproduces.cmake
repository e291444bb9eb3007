# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
cmake_minimum_required(VERSION 3.25)

# Runs a generator into an empty folder and checks that it remakes the committed
# files byte for byte.
#   MAKER    the generator; it is given the output folder as its only argument
#   OUT      the output folder, emptied first
#   ASSETS   the folder of the committed files
#   FILES    the files the generator must write, relative paths separated by commas
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${MAKER} ${OUT} RESULT_VARIABLE status OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${MAKER} exited with ${status}\n${out}${err}")
endif()

string(REPLACE "," ";" files "${FILES}")
set(failures)
foreach(name IN LISTS files)
    if(NOT EXISTS ${OUT}/${name})
        list(APPEND failures "not written: ${name}")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${ASSETS}/${name}
        RESULT_VARIABLE differs)
    if(differs)
        file(SIZE ${OUT}/${name} made)
        file(SIZE ${ASSETS}/${name} committed)
        list(APPEND failures "differs: ${name} (made ${made} bytes, committed ${committed})")
    endif()
endforeach()

# Anything else it wrote is a file the repository lacks.
file(GLOB_RECURSE written RELATIVE ${OUT} ${OUT}/*)
foreach(name IN LISTS written)
    if(NOT name IN_LIST files)
        list(APPEND failures "not expected: ${name}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " report)
    message(FATAL_ERROR "${MAKER} does not remake ${ASSETS}:\n  ${report}")
endif()
