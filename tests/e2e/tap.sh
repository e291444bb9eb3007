# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# What the end-to-end scripts share: reporting in TAP's manner (ok / not ok,
# the details on "#" lines) and stopping a process for good. Sourced.

PASSED=0
FAILED=0
# Processes that stop_all ends, the last started first.
PIDS=()

ok() {
    PASSED=$((PASSED + 1))
    echo "ok - $1"
}

# not_ok DESCRIPTION [DETAIL...]: each detail on a line of its own.
not_ok() {
    FAILED=$((FAILED + 1))
    echo "not ok - $1"
    shift
    local line
    for line in "$@"; do
        echo "#   $line"
    done
}

# check DESCRIPTION SEEN CONDITION...: runs the condition, reports it.
check() {
    local description=$1 seen=$2
    shift 2
    if "$@"; then
        ok "$description"
    else
        not_ok "$description" "seen: $seen"
    fi
}

# A failure after which nothing else can be tested.
fatal() {
    not_ok "$@"
    exit 1
}

# stop_process PID: asks it to end, then makes it.
stop_process() {
    local pid=$1
    [[ -n $pid ]] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

stop_all() {
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        stop_process "${PIDS[i]}"
    done
    PIDS=()
}

# finish STATUS: after a failure the work folder is kept as the artifacts,
# otherwise removed; then the count, and success only when nothing failed.
finish() {
    local status=$1
    if ((status != 0 || FAILED > 0)); then
        ((FAILED > 0)) || { FAILED=1 && echo "not ok - the test stopped early (status $status)"; }
        rm -rf "$ARTIFACTS"
        [[ -d $WORK ]] && mv "$WORK" "$ARTIFACTS" && echo "# screenshots and logs kept in $ARTIFACTS"
    else
        rm -rf "$WORK"
    fi
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0))
}
