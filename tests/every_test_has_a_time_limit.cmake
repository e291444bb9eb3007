# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
cmake_minimum_required(VERSION 3.25)

# Fails naming every test of the build tree that has no TIMEOUT, so that a
# test added later cannot hang a run for ever.
#   CTEST      the ctest program
#   BUILD_DIR  the top of the build tree
execute_process(COMMAND ${CTEST} --show-only=json-v1 WORKING_DIRECTORY ${BUILD_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE json ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ctest --show-only failed:\n${errors}")
endif()

string(JSON count LENGTH "${json}" tests)
if(count EQUAL 0)
    message(FATAL_ERROR "no tests listed")
endif()
set(unlimited)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    string(JSON test GET "${json}" tests ${i})
    string(JSON name GET "${test}" name)
    set(limited FALSE)
    string(JSON properties ERROR_VARIABLE none GET "${test}" properties)
    if(NOT none)
        string(JSON properties_count LENGTH "${properties}")
    else()
        set(properties_count 0)
    endif()
    if(properties_count GREATER 0)
        math(EXPR last_property "${properties_count} - 1")
        foreach(j RANGE ${last_property})
            string(JSON property GET "${properties}" ${j} name)
            if(property STREQUAL "TIMEOUT")
                set(limited TRUE)
            endif()
        endforeach()
    endif()
    if(NOT limited)
        list(APPEND unlimited "${name}")
    endif()
endforeach()

if(unlimited)
    list(LENGTH unlimited missing)
    list(JOIN unlimited "\n  " names)
    message(FATAL_ERROR "${missing} of ${count} tests have no TIMEOUT:\n  ${names}")
endif()
