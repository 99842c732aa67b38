#!/usr/bin/env bash
# The soak of the main window (soak.cpp) with the real encoder and the
# eighteen skins: the short run of the test command (50 conversions, 20
# skin switches, 5 rounds of every form, a sample every 5 steps), or the
# long one a developer runs (1,000 conversions, 200 switches, 100 rounds, a
# sample every 50 steps; some 7 minutes). Prints the counts and their
# slopes; fails when a count grows.
# Usage: soak.sh <main_window_soak.exe> <bin folder> <work folder> [short|long]
set -uo pipefail
program=$1 bin=$(realpath "$2") work=$(realpath -m "$3") length=${4:-short}
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

case $length in
  short) steps=(50 20 5 5) ;;
  long) steps=(1000 200 100 50) ;;
  *) echo "soak.sh: short or long, not $length" >&2; exit 2 ;;
esac
rm -rf "$work"
mkdir -p "$work/app" "$work/in" "$work/out"
cp -r "$bin/skins" "$work/app/"
clip() {  # clip <output> <seconds>
  ffmpeg -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=$2" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$2" -ac 2 \
    -c:v mpeg4 -q:v 8 -c:a pcm_s16le -shortest "$1"
}
clip "$work/in/clip0.avi" 1
for entry in 1 2 3 4 5 6 7 8; do cp "$work/in/clip0.avi" "$work/in/clip$entry.avi"; done
# The entry that is stopped lasts long enough to be stopped in the middle.
clip "$work/in/clip9.avi" 60

wine "$program" "${steps[@]}" "$(windows_path "$bin")\\" "$(windows_path "$work/app")\\" \
  "$(windows_path "$work/in")\\" "$(windows_path "$work/out")"
