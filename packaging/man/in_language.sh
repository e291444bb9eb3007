#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Runs the game in one language, named plain `gloob`, for its man page:
#   in_language.sh LANGUAGE GLOOB_BINARY ARGUMENTS...
# help2man knows the usage line only in English: the help's first line is
# set apart, so that it does not run into the description.
set -euo pipefail
language=$1
program=$2
shift 2
if [ "${1-}" = --help ]; then
    (LANGUAGE=$language exec -a gloob "$program" "$@") | sed 1G
else
    LANGUAGE=$language exec -a gloob "$program" "$@"
fi
