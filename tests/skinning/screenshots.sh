#!/usr/bin/env bash
# Screenshots of the program's windows in skins, for review: the main
# window in each skin named, and the overwrite prompt, a message box, the
# open dialog, the batch-add form and the folder chooser in the first one.
# A skin named as STATE:SKIN shows the main window in that state of the
# showcase instead ("busy": mid-run, with each file's status and the time
# left; "failed": after a run with a failure, with its finish message);
# give a plain skin first. LANGUAGE=en (or gb) shows the texts of that
# language file instead of the windows' built-in ones.
# Run after tools/build.sh. SCREEN_DPI=120 (or 144) shoots them with large
# fonts: the prefix's setting for the run, removed afterwards.
# Usage: [SCREEN_DPI=N] tests/skinning/screenshots.sh OUTPUT_FOLDER SKIN [[STATE:]SKIN...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
out="$1"
shift
mkdir -p "$out"
showcase="$VEXMOOR_BUILD/win32/tests/skinning/skin_showcase.exe"
skins="Z:${VEXMOOR_BUILD//\//\\}\\native\\skins"

set_screen_dpi() {  # N, or nothing to remove the setting
  if [[ -n "${1:-}" ]]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  fi
}

start_wine_display
trap stop_wine_display EXIT
if [[ -n "${SCREEN_DPI:-}" ]]; then
  set_screen_dpi "$SCREEN_DPI"
  trap 'set_screen_dpi; stop_wine_display' EXIT
fi

shoot() {  # SKIN WHAT FILE
  local ready
  ready="$(mktemp -u)"
  local language=()
  [[ -n "${LANGUAGE:-}" ]] && language=("Z:${VEXMOOR_BUILD//\//\\}\\win32\\bin\\language\\$LANGUAGE.ini")
  wine "$showcase" "$skins\\$1.ssk" "$2" "Z:${ready//\//\\}" "${language[@]}" >"$out/showcase.log" 2>&1 &
  local program=$!
  for _ in $(seq 300); do [[ -e "$ready" ]] && break; sleep 0.1; done
  sleep 1  # the first paint
  xwd -root -silent | convert xwd:- -crop 980x880+300+140 +repage -trim +repage "$3"
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  rm -f "$ready"
  echo "$3"
}

for skin in "$@"; do
  if [[ "$skin" == *:* ]]; then
    shoot "${skin#*:}" "${skin%%:*}" "$out/${skin%%:*}-${skin#*:}.png"
  else
    shoot "$skin" main "$out/main-$skin.png"
  fi
done
for window in overwrite message open batchadd directory; do
  shoot "$1" "$window" "$out/$window-$1.png"
done
