#!/usr/bin/env bash
# Waits until a top-level window with the given title is on $DISPLAY, then
# saves the whole screen as PNG.
# Usage: tools/screenshot.sh TITLE FILE.png [TIMEOUT_SECONDS]
set -euo pipefail
title="$1" file="$2" timeout="${3:-60}"

for ((tenth = 0; tenth < timeout * 10; tenth++)); do
  if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then
    sleep 1  # let the first paint finish
    xwd -root -silent | convert xwd:- "$file"
    exit 0
  fi
  sleep 0.1
done
echo "No window titled '$title' appeared within $timeout s" >&2
exit 1
