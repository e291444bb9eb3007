#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Runs every fuzz target for RUNS inputs (10 million unless given), all at
# once on the machine's cores, each from its committed corpus plus what
# earlier runs found (build/fuzz/found), and prints per target: runs, runs a
# second, coverage, new corpus entries, crashes and time. MAX_SECONDS, when
# set, stops each target after that long whatever its runs.
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
    local target=$1 runs=$2 build=$3 logs=$4 processes=$5 limit=() fork=()
    [ -n "${MAX_SECONDS:-}" ] && limit=(-max_total_time="$MAX_SECONDS")
    [ "$processes" -gt 1 ] && fork=(-fork="$processes")
    local found=$build/found/$target artifacts=$build/artifacts/$target/
    mkdir -p "$found" "$artifacts"
    local dict=() flags=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    # A target's own libFuzzer flags, one a line, with why in comments.
    [ -f "fuzz/$target.flags" ] && mapfile -t flags < <(grep -Ev '^(#|\s*$)' "fuzz/$target.flags")
    local began=$SECONDS
    nice -n 19 "$build/${target}_fuzz" "${dict[@]}" "${flags[@]}" "${limit[@]}" "${fork[@]}" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$found" "fuzz/corpus/$target" \
        >"$logs/$target.log" 2>&1 || true
    echo "seconds: $((SECONDS - began))" >>"$logs/$target.log"
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
    log=$logs/$target.log
    stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
    last=$(grep -E '^#[0-9]+.*(DONE|cov:)' "$log" | tail -n 1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    crashes=$(find "$build/artifacts/$target" -type f | wc -l)
    seconds=$(sed -n 's/^seconds: //p' "$log")
    if grep -q '^INFO: -fork=' "$log"; then
        # Forked, the parent writes a line a job: "#RUNS: cov: C ft: F corp: N ...".
        executed=$(sed -n 's/^#\([0-9]*\): cov:.*/\1/p' "$log" | tail -n 1)
        seeds=$(sed -n 's/^INFO: -fork=[0-9]*: \([0-9]*\) seed inputs.*/\1/p' "$log")
        corpus=$(sed -n 's/^#[0-9]*: .* corp: \([0-9]*\).*/\1/p' "$log" | tail -n 1)
        rate=$((${executed:-0} / (${seconds:-0} > 0 ? ${seconds:-0} : 1)))
        added=$((${corpus:-0} - ${seeds:-0}))
        failed=$(sed -n 's|^#[0-9]*: .* oom/timeout/crash: [0-9]*/[0-9]*/\([0-9]*\).*|\1|p' "$log" | tail -n 1)
        crashes=$((crashes > ${failed:-0} ? crashes : ${failed:-0}))
    else
        executed=$(stat number_of_executed_units)
        rate=$(stat average_exec_per_sec)
        added=$(stat new_units_added)
    fi
    printf '%-9s %12s %10s %8s %8s %12s %8s %9s\n' "$target" \
        "$executed" "$rate" "${cov:-?}" "${ft:-?}" "$added" "$crashes" "$seconds"
    if [ "$crashes" -gt 0 ] || grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error' "$log"; then
        echo "  $target: see $log and $build/artifacts/$target/" >&2
        status=1
    fi
done
exit $status
