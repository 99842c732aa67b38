#!/usr/bin/env bash
# Runs a test that measures time, and once more when it fails: a loaded
# machine can stretch any measurement. The retry is announced in the log.
"$@" && exit 0
echo "==> The timing test failed; running it once more: $*" >&2
exec "$@"
