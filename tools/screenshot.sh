#!/usr/bin/env bash
# Waits until a top-level window with the given title is on $DISPLAY, then
# saves the whole screen as PNG.
# Usage: tools/screenshot.sh TITLE FILE.png [TIMEOUT_SECONDS [SETTLE_SECONDS]]
# SETTLE_SECONDS (1) lets the first paint finish; a window that shows only
# briefly, as the splash does, wants less.
set -euo pipefail
title="$1" file="$2" timeout="${3:-60}" settle="${4:-1}"

for ((tenth = 0; tenth < timeout * 10; tenth++)); do
  if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then
    sleep "$settle"
    xwd -root -silent | convert xwd:- "$file"
    exit 0
  fi
  sleep 0.1
done
echo "No window titled '$title' appeared within $timeout s" >&2
exit 1
