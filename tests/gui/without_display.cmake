# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Runs the game with no display in its environment: it must exit with status 1
# after one line on standard error, before Qt looks for a platform.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${GLOOB}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 30)
if(NOT status STREQUAL "1")
    message(FATAL_ERROR "exit status ${status}, expected 1")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "unexpected standard output: ${out}")
endif()
if(NOT err MATCHES "^gloob needs a graphical display[^\n]*xvfb-run gloob[^\n]*\n$")
    message(FATAL_ERROR "unexpected standard error: ${err}")
endif()
