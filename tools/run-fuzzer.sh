#!/usr/bin/env bash
# Runs one fuzzer for a while: the short run of the test command, or a long
# one when VEXMOOR_FUZZ_SECONDS says so (tools/fuzz.sh). New inputs are kept
# in WORK/corpus, a crashing input in WORK/ (crash-..., timeout-...,
# oom-...); the seed folders are only read. Prints the processor time the
# run took.
# Usage: tools/run-fuzzer.sh FUZZER SECONDS WORK [SEED_FOLDER...]
set -euo pipefail
fuzzer="$1" seconds="${VEXMOOR_FUZZ_SECONDS:-$2}" work="$3"
shift 3
mkdir -p "$work/corpus"
TIMEFORMAT="$(basename "$fuzzer"): ${seconds} s asked, %U s user + %S s system processor time"
time "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" "$@"
