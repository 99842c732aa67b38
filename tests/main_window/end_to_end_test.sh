#!/usr/bin/env bash
# Converts three short clips (one in a folder with blanks, one Matroska,
# which goes through the AviSynth script) through the main window with the
# real encoder under Wine, then checks each output with ffprobe.
# Usage: end_to_end_test.sh <main_window_end_to_end.exe> <encoder bin folder> <work folder>
set -uo pipefail
program=$1 bin=$2 work=$3
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"

rm -rf "$work"
mkdir -p "$work/in/folder with blanks" "$work/out"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

make_clip() {  # make_clip <output> <audio codec>
  ffmpeg -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=3" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=3" -ac 2 \
    -c:v mpeg4 -q:v 8 -c:a "$2" -shortest "$1"
}
inputs=("$work/in/one.avi" "$work/in/folder with blanks/clip two.mkv" "$work/in/three.mp4")
make_clip "${inputs[0]}" pcm_s16le
make_clip "${inputs[1]}" pcm_s16le
make_clip "${inputs[2]}" aac

windows_inputs=()
for input in "${inputs[@]}"; do windows_inputs+=("$(windows_path "$input")"); done
wine "$program" "$(windows_path "$bin")\\" "$(windows_path "$work/out")" "${windows_inputs[@]}" ||
  exit 1

failures=0
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }
probe() {  # probe <file> <stream> <entries>
  ffprobe -v error -select_streams "$2" -show_entries "$3" -of csv=p=0 "$1"
}
for input in "${inputs[@]}"; do
  name=$(basename "$input")
  output="$work/out/${name%.*}.3gp"
  [[ -s $output ]] || { fail "$name: no output"; continue; }
  [[ $(ffprobe -v error -show_entries format_tags=major_brand -of csv=p=0 "$output") == 3gp* ]] ||
    fail "$name: not a 3GP file"
  video=$(probe "$output" v:0 stream=codec_name,width,height,r_frame_rate)
  [[ $video == h263,176,144,15000/1001 ]] || fail "$name: video is $video"
  audio=$(probe "$output" a:0 stream=sample_rate,channels)
  [[ $audio == 8000,1 ]] || fail "$name: audio is $audio"
  in_length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$input")
  out_length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$output")
  awk -v a="$in_length" -v b="$out_length" 'BEGIN { d = a - b; exit !(d < 0.3 && d > -0.3) }' ||
    fail "$name: lasts $out_length s, the input $in_length s"
done
exit $((failures > 0))
