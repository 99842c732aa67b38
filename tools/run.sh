#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under
# Wine. Without a display it runs on a virtual one, saves a screenshot once
# the main window is up, prints its path and keeps running until Ctrl+C.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/env.sh"
source "$here/display.sh"

bash "$here/setup.sh"
bash "$here/build.sh" win32

had_display="${DISPLAY:-}"
start_wine_display
trap stop_wine_display EXIT

printf '\n==> Starting Vexmoor\n'
wine "$VEXMOOR_BUILD/win32/bin/vexmoor.exe" &
program=$!
if [[ -z "$had_display" ]]; then
  shot="$VEXMOOR_BUILD/screenshot.png"
  bash "$here/screenshot.sh" Vexmoor "$shot"
  echo "Screenshot of the main window: $shot"
  echo "The program keeps running on the virtual display $DISPLAY; press Ctrl+C to end it."
fi
wait "$program" || true
