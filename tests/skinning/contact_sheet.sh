#!/usr/bin/env bash
# The main window in each of the eighteen skins, idle and busy (as during a
# conversion), in English, cut from screenshots and assembled into one
# contact sheet for review: two columns per skin pair, idle then busy, in
# the order of the Skin menu. Run after tools/build.sh.
# Usage: tests/skinning/contact_sheet.sh [OUTPUT.png]
#        (default: build/screenshots/main-window-skins.png; the single
#        screenshots go to build/screenshots/main-window/)
# LANGUAGES="en gb" shoots each skin in both languages (the Chinese with a
# Chinese locale, as Chinese Windows shows it); MODES=main only idle.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
sheet="${1:-$VEXMOOR_BUILD/screenshots/main-window-skins.png}"
shots="$VEXMOOR_BUILD/screenshots/main-window"
mkdir -p "$shots"
showcase="$VEXMOOR_BUILD/win32/tests/skinning/skin_showcase.exe"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
skins="$(windows_path "$VEXMOOR_BUILD/native/skins")"
languages=(${LANGUAGES:-en})
modes=(${MODES:-main busy})
names=(Calmness DiamondBlue DiamondGreen GlassGreen Longhorn MacOS MP10 MSN OneBlue Silver
  SportsBlack SportsBlue Midsummer Emerald Warm XPBlue XPGreen XPSilver)

start_wine_display
trap stop_wine_display EXIT

shoot() {  # SKIN MODE FILE LANGUAGE
  local ready program locale=()
  [[ $4 == gb ]] && locale=(LC_ALL=zh_CN.UTF-8)
  ready="$(mktemp -u)"
  env "${locale[@]}" wine "$showcase" "$skins\\$1.ssk" "$2" "$(windows_path "$ready")" \
    "$(windows_path "$VEXMOOR_BUILD/win32/bin/language/$4.ini")" >"$shots/showcase.log" 2>&1 &
  program=$!
  for _ in $(seq 300); do [[ -s "$ready" ]] && break; sleep 0.1; done
  sleep 1  # the first paint
  local left top width height
  read -r _ left top width height <"$ready"
  xwd -root -silent | convert xwd:- -crop "${width}x${height}+${left}+${top}" +repage "$3"
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  rm -f "$ready"
}

labelled=()
for skin in "${names[@]}"; do
  for lang in "${languages[@]}"; do
    for mode in "${modes[@]}"; do
      file="$shots/$skin-$lang-$mode.png"
      shoot "$skin" "$mode" "$file" "$lang"
      label="$skin ${mode/main/idle}"
      [[ ${#languages[@]} -gt 1 ]] && label="$skin $lang ${mode/main/idle}"
      labelled+=(-label "$label" "$file")
      printf '%s\n' "$file"
    done
  done
done
# ImageMagick's own default font may be missing: name a file.
montage "${labelled[@]}" -tile 6x -geometry +8+8 -background '#404040' -fill white \
  -font "$(fc-match -f '%{file}' sans)" -pointsize 14 "$sheet"
echo "$sheet"
