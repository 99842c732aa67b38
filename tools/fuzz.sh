#!/usr/bin/env bash
# Runs the fuzzers for longer than the test command does, at the lowest
# priority, all at once: tools/fuzz.sh [SECONDS] [CTEST_REGEX]
# (an hour each, and every fuzzer, unless told). Each starts from its seeds
# and from what earlier runs kept in build/native/tests/*/fuzz/*/corpus,
# and stops at its first finding, which it leaves beside that corpus
# (crash-..., timeout-..., oom-...). At the end it prints, for each run, its
# processor time, the inputs it tried and what it found (also kept in that
# fuzzer's runs.log). Build the native tree first (tools/build.sh native).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
seconds="${1:-3600}" regex="${2:-fuzzer}"
cd "$VEXMOOR_BUILD/native"
set +e
VEXMOOR_FUZZ_SECONDS="$seconds" nice -n 19 \
  ctest -L fuzz -R "$regex" -j 8 --timeout $((seconds + 600)) --output-on-failure \
  --output-log "$VEXMOOR_BUILD/native/fuzz-run.log" >/dev/null
status=$?
set -e
printf '==> What each run did\n'
for log in tests/*/fuzz/*/runs.log; do
  tail -n 1 "$log"
done
exit $status
