#!/usr/bin/env bash
# Runs the fuzzers for longer than the test command does, at the lowest
# priority, all at once: tools/fuzz.sh [SECONDS] [CTEST_REGEX]
# (an hour each, and every fuzzer, unless told). Each starts from its seeds
# and from what earlier runs kept in build/native/tests/*/fuzz/*/corpus,
# prints its processor time, and stops at its first finding, which it
# leaves beside that corpus (crash-..., timeout-..., oom-...). Build the
# native tree first (tools/build.sh native).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
seconds="${1:-3600}" regex="${2:-fuzzer}"
cd "$VEXMOOR_BUILD/native"
set +e
VEXMOOR_FUZZ_SECONDS="$seconds" nice -n 19 \
  ctest -L fuzz -R "$regex" -j 8 --timeout $((seconds + 600)) --output-on-failure
status=$?
set -e
printf '\n==> What each run did\n'
grep -E 'processor time|stat::number_of_executed_units|stat::new_units_added|^(==[0-9]+==)?ERROR|Test unit written' \
  Testing/Temporary/LastTest.log || true
exit $status
