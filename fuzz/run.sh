#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Runs every fuzz target for RUNS inputs (10 million unless given), all at
# once on the machine's cores, each from its committed corpus plus what
# earlier runs found (build/fuzz/found), and prints per target: runs, runs a
# second, coverage, new corpus entries, crashes and time. MAX_SECONDS, when
# set, stops each target after that long whatever its runs. Fewer targets
# than cores share the spare ones: a target alone on two cores runs in two
# processes, RUNS counting their inputs together.
#   fuzz/run.sh [RUNS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(message script settings session lobby probe stun turn)
fi
build=build/fuzz/fuzz
logs=build/fuzz/logs
mkdir -p "$logs"

fuzz_one() {
    local target=$1 runs=$2 build=$3 logs=$4 processes=$5 limit=()
    [ -n "${MAX_SECONDS:-}" ] && limit=(-max_total_time="$MAX_SECONDS")
    local found=$build/found/$target artifacts=$build/artifacts/$target/
    mkdir -p "$found" "$artifacts"
    local dict=() flags=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    # A target's own libFuzzer flags, one a line, with why in comments.
    [ -f "fuzz/$target.flags" ] && mapfile -t flags < <(grep -Ev '^(#|\s*$)' "fuzz/$target.flags")
    rm -f "$logs/$target.log" "$logs/$target".[0-9]*.log
    local began=$SECONDS one log pids=()
    # Several processes share the work and the found folder, each taking up
    # what the others found (libFuzzer reloads the folder every second).
    for one in $(seq "$processes"); do
        log=$logs/$target.log
        [ "$processes" -gt 1 ] && log=$logs/$target.$one.log
        nice -n 19 "$build/${target}_fuzz" "${dict[@]}" "${flags[@]}" "${limit[@]}" \
            -runs=$(((runs + processes - one) / processes)) -print_final_stats=1 \
            -artifact_prefix="$artifacts" "$found" "fuzz/corpus/$target" >"$log" 2>&1 &
        pids+=($!)
    done
    wait "${pids[@]}" || true
    for log in "$logs/$target.log" "$logs/$target".[0-9]*.log; do
        if [ -f "$log" ]; then echo "seconds: $((SECONDS - began))" >>"$log"; fi
    done
}
# Allocations without their stacks, and a smaller quarantine: settings files
# run twice as fast. A crash's input is kept; replaying it through its target
# gives the whole report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16}
export -f fuzz_one
processes=$(($(nproc) / ${#targets[@]}))
[ "$processes" -ge 1 ] || processes=1
# All at once, sharing the cores: each target's MAX_SECONDS then runs from
# the same start.
printf '%s\n' "${targets[@]}" |
    xargs -P "${#targets[@]}" -I{} bash -c "fuzz_one {} $runs $build $logs $processes"

status=0
printf '%-9s %12s %10s %8s %8s %12s %8s %9s\n' target runs runs/s cov ft "new entries" crashes seconds
for target in "${targets[@]}"; do
    target_logs=("$logs/$target.log")
    [ -f "$logs/$target.log" ] || target_logs=("$logs/$target".[0-9]*.log)
    # Summed over the processes that shared the target; coverage is the most any reached.
    sum() { sed -n "s/^stat::$1: *//p" "${target_logs[@]}" | awk '{ s += $1 } END { print s + 0 }'; }
    most() { grep -hE '^#[0-9]+.*(DONE|cov:)' "${target_logs[@]}" | sed -n "s/.* $1: \([0-9]*\).*/\1/p" | sort -n | tail -n 1; }
    # A slow unit is kept beside them but is no failure: a run the machine
    # held up (a stopped process) takes long without any fault of the target.
    crashes=$(find "$build/artifacts/$target" -type f ! -name 'slow-unit-*' | wc -l)
    printf '%-9s %12s %10s %8s %8s %12s %8s %9s\n' "$target" \
        "$(sum number_of_executed_units)" "$(sum average_exec_per_sec)" "$(most cov)" "$(most ft)" \
        "$(sum new_units_added)" "$crashes" "$(sed -n 's/^seconds: //p' "${target_logs[0]}")"
    if [ "$crashes" -gt 0 ] || grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error' "${target_logs[@]}"; then
        echo "  $target: see ${target_logs[*]} and $build/artifacts/$target/" >&2
        status=1
    fi
done
exit $status
