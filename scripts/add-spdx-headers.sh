#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Puts the licence header, two comment lines, at the top of every C++, CMake
# and shell source of the repository that lacks it (after a #! line).
# Running it again changes nothing.
#   scripts/add-spdx-headers.sh           add the missing headers
#   scripts/add-spdx-headers.sh --check   list the files without one; exit 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."

licence="SPDX-License-Identifier: MIT"
copyright="SPDX-FileCopyrightText: 2026 Gloob Volleyball developers"

check=0
case ${1:-} in
"") ;;
--check) check=1 ;;
*)
    echo "usage: scripts/add-spdx-headers.sh [--check]" >&2
    exit 2
    ;;
esac

# The tracked files, or in a copy without git history every file but builds.
candidates() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z
    else
        find . -path ./.git -prune -o -path './build*' -prune -o -type f -printf '%P\0'
    fi
}

# Prints the comment prefix for a source, nothing for other files.
comment_of() {
    case $1 in
    *.cpp | *.h | *.hpp) echo "//" ;;
    *.cmake | CMakeLists.txt | */CMakeLists.txt | *.sh | Makefile) echo "#" ;;
    *)
        if head -n 1 "$1" 2>/dev/null | grep -qE '^#!.*\b(ba)?sh\b'; then
            echo "#"
        fi
        ;;
    esac
}

has_header() {
    local top
    top=$(head -n 6 "$1")
    [[ $top == *"$licence"* && $top == *"$copyright"* ]]
}

missing=()
while IFS= read -r -d '' file; do
    [[ -f $file ]] || continue
    comment=$(comment_of "$file")
    [[ -n $comment ]] || continue
    has_header "$file" && continue
    missing+=("$file")
    ((check)) && continue
    header="$comment $licence"$'\n'"$comment $copyright"
    {
        if head -n 1 "$file" | grep -q '^#!'; then
            head -n 1 "$file"
            printf '%s\n' "$header"
            tail -n +2 "$file"
        else
            printf '%s\n' "$header"
            cat "$file"
        fi
    } >"$file.spdx"
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
done < <(candidates)

if ((check)); then
    if ((${#missing[@]})); then
        printf 'no licence header: %s\n' "${missing[@]}"
        echo "${#missing[@]} files lack the licence header; scripts/add-spdx-headers.sh adds it"
        exit 1
    fi
    echo "every source file has the licence header"
elif ((${#missing[@]})); then
    echo "licence header added to ${#missing[@]} files"
fi
