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

now_ms() {
    local t=${EPOCHREALTIME/./}
    echo $((10#$t / 1000))
}

# start_display FIRST LAST: a private 1600 x 1024 X server on the first free
# number from FIRST to LAST, with a window manager; exports DISPLAY. The
# scripts' ranges do not overlap, so that they may run at once.
start_display() {
    local n
    DISPLAY_NUMBER=""
    for n in $(seq "$1" "$2"); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1600x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 </dev/null &
        PIDS+=($!)
        for _ in $(seq 1 100); do
            xdpyinfo -display ":$n" >/dev/null 2>&1 && { DISPLAY_NUMBER=$n && break; }
            kill -0 "${PIDS[-1]}" 2>/dev/null || break
            sleep 0.1
        done
        [[ -n $DISPLAY_NUMBER ]] && break
        stop_process "${PIDS[-1]}"
        unset 'PIDS[-1]'
    done
    [[ -n $DISPLAY_NUMBER ]] || fatal "a virtual X server starts" "$(tail -3 "$WORK/xvfb.log")"
    export DISPLAY=":$DISPLAY_NUMBER"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR || true
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 </dev/null &
    PIDS+=($!)
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    ok "a virtual X server and a window manager run on :$DISPLAY_NUMBER"
}
