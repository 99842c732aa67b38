#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under
# Wine, from the build's program folder. Without a display it runs on a
# virtual one, saves screenshots of the splash and of the main window once
# each is up, prints their paths and keeps running until Ctrl+C.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/env.sh"
source "$here/display.sh"
source "$here/wine-prefix.sh"

bash "$here/setup.sh"
bash "$here/build.sh" win32

bin="$VEXMOOR_BUILD/win32/bin"

had_display="${DISPLAY:-}"
start_wine_display
trap stop_wine_display EXIT
# Wine's desktop, started with the session, puts back its own font links
# when the session's code page differs from the last one's: linked again,
# the Chinese texts show whatever the code page.
link_wine_cjk_font

# The program installs its encoder into the system folder only when none is
# there: removed first, each run installs the one just built.
rm -f "$WINEPREFIX/drive_c/windows/system32/libm9s.exe"
printf '\n==> Starting Vexmoor\n'
wine "$bin/vexmoor.exe" &
program=$!
if [[ -z "$had_display" ]]; then
  splash="$VEXMOOR_BUILD/screenshot-splash.png"
  bash "$here/screenshot.sh" "Vexmoor splash" "$splash" 60 0.3 && echo "Screenshot of the splash: $splash"
  shot="$VEXMOOR_BUILD/screenshot.png"
  bash "$here/screenshot.sh" Vexmoor "$shot"
  echo "Screenshot of the main window: $shot"
  echo "The program keeps running on the virtual display $DISPLAY; press Ctrl+C to end it."
fi
wait "$program" || true
