#!/usr/bin/env bash
# Screenshots of the program's windows in skins, for review: the main
# window in each skin named, and the overwrite prompt, a message box, the
# batch-add form and the folder chooser in the first one. Run after
# tools/build.sh.
# Usage: tests/skinning/screenshots.sh OUTPUT_FOLDER SKIN...
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
out="$1"
shift
mkdir -p "$out"
showcase="$VEXMOOR_BUILD/win32/tests/skinning/skin_showcase.exe"
skins="Z:${VEXMOOR_BUILD//\//\\}\\native\\skins"

start_wine_display
trap stop_wine_display EXIT

shoot() {  # SKIN WHAT FILE
  local ready
  ready="$(mktemp -u)"
  wine "$showcase" "$skins\\$1.ssk" "$2" "Z:${ready//\//\\}" >"$out/showcase.log" 2>&1 &
  local program=$!
  for _ in $(seq 300); do [[ -e "$ready" ]] && break; sleep 0.1; done
  sleep 1  # the first paint
  xwd -root -silent | convert xwd:- -crop 900x560+300+140 +repage "$3"
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  rm -f "$ready"
  echo "$3"
}

for skin in "$@"; do
  shoot "$skin" main "$out/main-$skin.png"
done
for window in overwrite message batchadd directory; do
  shoot "$1" "$window" "$out/$window-$1.png"
done
