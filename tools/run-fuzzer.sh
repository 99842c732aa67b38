#!/usr/bin/env bash
# Runs one fuzzer for a while: the short run of the test command, or a long
# one when VEXMOOR_FUZZ_SECONDS says so (tools/fuzz.sh). New inputs are kept
# in WORK/corpus, a crashing input in WORK/ (crash-..., timeout-...,
# oom-...); the seed folders are only read. Prints the processor time the
# run took, and adds a line about the run to WORK/runs.log.
# Usage: tools/run-fuzzer.sh FUZZER SECONDS WORK [SEED_FOLDER...]
set -uo pipefail
fuzzer="$1" seconds="${VEXMOOR_FUZZ_SECONDS:-$2}" work="$3"
shift 3
mkdir -p "$work/corpus"
started=$(date -u +%FT%TZ)
TIMEFORMAT="%U %S"
{ time "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "$@" 2>&1 | tee "$work/last-run.log"; } 2>"$work/times"
status=${PIPESTATUS[0]}
read -r user system <"$work/times"
units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/last-run.log")
found=$(grep -o 'Test unit written to .*/\(crash\|timeout\|oom\|leak\)-.*' "$work/last-run.log" | tr '\n' ' ' || true)
line="$started $(basename "$fuzzer"): ${seconds} s asked, ${user} s user + ${system} s system processor time, ${units:-?} inputs, exit ${status}${found:+, $found}"
echo "$line"
echo "$line" >>"$work/runs.log"
exit "$status"
