#!/usr/bin/env bash
# Makes a clip of moving test pattern with the native ffmpeg and runs the
# main window's benchmark on it under Wine against the ffmpeg.exe the
# encoder carries. The clip is 640x480 and lasts 20 seconds unless
# CLIP_SIZE and CLIP_SECONDS say otherwise; a smaller or shorter one
# converts in well under a second, so the fixed cost of starting the
# encoder weighs more. Clips are kept in the build tree for the next run.
# SKIN names one of the program's skins (Silver, MP10, ...) for the window
# to wear; without it the window keeps the system's look.
# A round's ratio moves by several hundredths with the machine's load, so
# the goal is judged on the median of fifteen rounds unless told otherwise.
# Usage: run_benchmark.sh <cross build folder> [rounds]
set -euo pipefail
build=$(cd "$1" && pwd) rounds=${2:-15}
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
ffmpeg_exe=${VEXMOOR_FFMPEG_EXE:-$VEXMOOR_FFMPEG}
work="$build/tests/main_window/benchmark"
mkdir -p "$work/out"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

size=${CLIP_SIZE:-640x480} seconds=${CLIP_SECONDS:-20}
clip="$work/clip$seconds-$size.avi"
[[ -s $clip ]] || ffmpeg -v error -y -f lavfi -i "testsrc=size=$size:rate=25:duration=$seconds" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds" -ac 2 \
  -c:v mpeg4 -q:v 8 -c:a pcm_s16le -shortest "$clip"
start_wine_display
trap stop_wine_display EXIT
wine "$build/tests/main_window/main_window_bench.exe" "$(windows_path "$build/bin")\\" \
  "$(windows_path "$ffmpeg_exe")" "$(windows_path "$clip")" "$(windows_path "$work/out")" "$rounds" \
  ${SKIN:+"$(windows_path "$build/bin/skins/$SKIN.ssk")"}
