#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under
# Wine, from the build's program folder. Without a display it runs on a
# virtual one, saves screenshots of the splash and of the main window once
# each is up, prints their paths and keeps running until Ctrl+C.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/env.sh"
source "$here/display.sh"

bash "$here/setup.sh"
bash "$here/build.sh" win32

bin="$VEXMOOR_BUILD/win32/bin"

# Whether config.ini chooses Chinese: [common] language=1 (or 0x1, $1).
chooses_chinese() {
  [[ -f $1 ]] && awk '
    /^[ \t]*\[/ { section = tolower($0); gsub(/[][ \t\r]/, "", section); next }
    section == "common" && tolower($0) ~ /^[ \t]*language[ \t]*=/ {
      value = substr($0, index($0, "=") + 1); gsub(/[ \t\r"\047]/, "", value)
      found = value ~ /^(\+?0*1|0[xX]0*1|\$0*1)$/; exit
    }
    END { exit !found }' "$1"
}

had_display="${DISPLAY:-}"
start_wine_display
trap stop_wine_display EXIT

# The program installs its encoder into the system folder only when none is
# there: removed first, each run installs the one just built.
rm -f "$WINEPREFIX/drive_c/windows/system32/libm9s.exe"
# Chinese texts are stored in code page 936, the system code page of a
# Chinese Windows; Wine takes its code page from the locale.
locale=()
if chooses_chinese "$bin/config.ini"; then
  locale=(env LC_ALL=zh_CN.UTF-8)
fi

printf '\n==> Starting Vexmoor\n'
"${locale[@]}" wine "$bin/vexmoor.exe" &
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
