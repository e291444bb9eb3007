# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
cmake_minimum_required(VERSION 3.25)

# Runs gloob-sim on every script with no language set, then in each of the
# game's languages, and fails naming the first run whose bytes differ.
#   SIM        the binary
#   SCRIPTS    the scripts (a list)
#   LANGUAGES  the catalogues' languages (a list: de, pt_BR, ...)
set(unset --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES --unset=LANG)
foreach(script IN LISTS SCRIPTS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${unset} ${SIM} ${script}
        RESULT_VARIABLE english_status OUTPUT_VARIABLE english_out ERROR_VARIABLE english_err)
    if(english_out STREQUAL "" AND english_err STREQUAL "")
        message(FATAL_ERROR "${script}: no output to compare")
    endif()
    foreach(language IN LISTS LANGUAGES)
        set(locale ${language})
        if(NOT locale MATCHES "_")
            string(TOUPPER ${language} country)
            set(locale ${language}_${country})
        endif()
        execute_process(COMMAND ${CMAKE_COMMAND} -E env ${unset} LANGUAGE=${language}
                LC_ALL=${locale}.UTF-8 LANG=${locale}.UTF-8 ${SIM} ${script}
            RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT status STREQUAL english_status OR NOT out STREQUAL english_out
           OR NOT err STREQUAL english_err)
            message(FATAL_ERROR "${script} in ${language} differs from the English run")
        endif()
    endforeach()
endforeach()
