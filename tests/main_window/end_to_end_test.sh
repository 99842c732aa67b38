#!/usr/bin/env bash
# Converts four short clips (one named in Chinese and Cyrillic, one in a
# folder with blanks, one Matroska, which goes through the AviSynth script,
# and one Matroska whose folder and name are Chinese) into an output folder
# named in Cyrillic and Chinese, on an ANSI code page without either, through the main
# window with the real encoder under Wine, then checks each output with
# ffprobe. Then a long conversion over an earlier output is stopped, ended
# by closing the window, and stopped with the encoder ended by force: each
# time the output folder holds nothing but the earlier output, unchanged.
# Usage: end_to_end_test.sh <main_window_end_to_end.exe> <encoder bin folder> <work folder>
set -uo pipefail
program=$1 bin=$2 work=$3
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"

rm -rf "$work"
chinese="$work/in/视频 文件夹"
out="$work/Видео 视频"
mkdir -p "$work/in/folder with blanks" "$chinese" "$out" "$work/stopped"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

make_clip() {  # make_clip <output> <audio codec> [<seconds> <size>]
  ffmpeg -v error -y -f lavfi -i "testsrc=size=${4:-320x240}:rate=25:duration=${3:-3}" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=${3:-3}" -ac 2 \
    -c:v mpeg4 -q:v 8 -c:a "$2" -shortest "$1"
}
inputs=("$work/in/视频 клип.avi" "$work/in/folder with blanks/clip two.mkv" "$work/in/three.mp4"
        "$chinese/片段 四.mkv")
make_clip "${inputs[0]}" pcm_s16le
make_clip "${inputs[1]}" pcm_s16le
make_clip "${inputs[2]}" aac
make_clip "${inputs[3]}" pcm_s16le
long="$work/in/long.avi"
make_clip "$long" pcm_s16le 60 640x480

failures=0
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }

# Wine hands the program its arguments in the Linux locale's encoding, and
# takes its ANSI code page from the same locale: 1252, without Chinese.
run() { LC_ALL=C.UTF-8 VEXMOOR_EXPECT_ACP=1252 wine "$program" "$@"; }

windows_inputs=()
for input in "${inputs[@]}"; do windows_inputs+=("$(windows_path "$input")"); done
run convert "$(windows_path "$bin")\\" "$(windows_path "$out")" "${windows_inputs[@]}" ||
  fail "the conversion through the window"

probe() {  # probe <file> <stream> <entries>
  ffprobe -v error -select_streams "$2" -show_entries "$3" -of csv=p=0 "$1"
}
for input in "${inputs[@]}"; do
  name=$(basename "$input")
  output="$out/${name%.*}.3gp"
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

for mode in stop close kill; do
  printf 'earlier' >"$work/stopped/long.3gp"
  run "$mode" "$(windows_path "$bin")\\" "$(windows_path "$work/stopped")" "$(windows_path "$long")" ||
    fail "$mode: the run through the window"
  left=$(ls -A "$work/stopped")
  [[ $left == long.3gp ]] || fail "$mode: the output folder holds: $left"
  [[ $(cat "$work/stopped/long.3gp") == earlier ]] || fail "$mode: the earlier output changed"
done
exit $((failures > 0))
