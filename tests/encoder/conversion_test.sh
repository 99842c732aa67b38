#!/usr/bin/env bash
# Converts the samples with libm9s.exe under Wine, on command lines of the
# converter's shape, and checks the files with ffprobe; then checks that
# bad command lines and inputs fail clearly and leave an earlier output
# alone. Usage: conversion_test.sh <bin folder> <samples folder> <run_command_line.exe>
set -uo pipefail
bin=$1 samples=$2 runner=$3
work="$samples/conversion"
rm -rf "$work"
mkdir -p "$work/out folder"
source "$(dirname "${BASH_SOURCE[0]}")/encoder_runs.sh"

defaults="-f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1"
while IFS='|' read -r name input output; do
  encode "$defaults" "$input" "$output"
  check_conversion "$name" "$input" "$output" h263,176,144,15000/1001 aac,8000,1 14.985
done <<LIST
default settings|$samples/clip.avi|$work/clip.3gp
blanks in both paths|$samples/folder with blanks/clip two.avi|$work/out folder/clip two.3gp
LIST

while IFS='|' read -r options video audio rate; do
  encode "$options" "$samples/clip.avi" "$work/settings.3gp"
  check_conversion "$options" "$samples/clip.avi" "$work/settings.3gp" "$video" "$audio" "$rate"
done <<LIST
-f 3gp -b 40 -r 29.97 -s 128x96 -ar 8000 -ab 12 -ac 1|h263,128,96,30000/1001|amr_nb,8000,1|29.97
-f 3gp -b 80 -r 23.98 -s 352x288 -ar 8000 -ab 96 -ac 1|h263,352,288,24000/1001|aac,8000,1|23.976
-f 3gp -b 256 -r 25.00 -s 176x144 -ar 8000 -ab 48 -ac 1|h263,176,144,25/1|aac,8000,1|25
LIST
said "note: AAC allows at most 48 kbit/s" && fail "48 kbit/s AAC noted as clamped"
encode "-f 3gp -b 80 -r 23.98 -s 352x288 -ar 8000 -ab 96 -ac 1" "$samples/clip.avi" "$work/settings.3gp"
said "note: AAC allows at most 48 kbit/s at 8000 Hz, mono; the audio is coded at 48 kbit/s instead of 96" ||
  fail "96 kbit/s AAC not noted as clamped"

# 640x480 clips, which the encoder decodes at half size, busy and calmer:
# their video bitrate is what check_conversion holds against the one asked
# for, on 20 seconds.
for clip in moving calm; do
  encode "$defaults" "$samples/$clip.avi" "$work/$clip.3gp"
  check_conversion "$clip clip" "$samples/$clip.avi" "$work/$clip.3gp" h263,176,144,15000/1001 \
    aac,8000,1 14.985
  echo "video bitrate of the $clip clip at -b 120: $(($(probe "$work/$clip.3gp" v:0 stream=bit_rate) / 1000)) kbit/s"
done

# A frame size that needs more than the bitrate: the rate control's
# complaint about every frame shows once, as a note.
encode "${defaults/176x144/1408x1152}" "$samples/clip.avi" "$work/large.3gp"
[[ $status -eq 0 ]] || fail "1408x1152 at 120 kbit/s: exit code $status"
said "^libm9s: note: the video needs more than the bitrate asked for" ||
  fail "1408x1152 at 120 kbit/s: no note about the bitrate"
said "rc buffer underflow" && fail "1408x1152 at 120 kbit/s: the rate control's complaints shown"

# The converter hands .rm, .rmvb and .mkv inputs over in a one-line script.
printf 'DirectShowSource("%s",convertfps=true)\r\n' "$(windows_path "$samples/folder with blanks/clip two.mkv")" >"$work/m9s.avs"
encode "$defaults" "$work/m9s.avs" "$work/from script.3gp"
check_conversion "AviSynth script" "$samples/clip.avi" "$work/from script.3gp" \
  h263,176,144,15000/1001 aac,8000,1 14.985

# Every failure: a non-zero exit code, a message, the earlier output kept.
earlier="$work/earlier.3gp"
printf 'earlier' >"$earlier"
program="$(windows_path "$bin")\\libm9s"
target=$(windows_path "$earlier")
while IFS='|' read -r name line code message; do
  run_line "$line"
  [[ $status -eq $code ]] || fail "$name: exit code $status, not $code"
  said "$message" || fail "$name: no message \"$message\""
  [[ $(cat "$earlier") == earlier ]] || fail "$name: the earlier output changed"
  no_partial_files "$earlier" || fail "$name: a temporary file was left"
done <<LIST
not a video|$program -i $(windows_path "$samples/not a video.avi")  $defaults -y $target|1|^libm9s: FFmpeg failed: .*Invalid data found when processing input
missing input|$program -i $(windows_path "$samples/missing.avi")  $defaults -y $target|1|^libm9s: cannot read the input .*missing.avi: 
missing output folder|$program -i $(windows_path "$samples/clip.avi")  $defaults -y $(windows_path "$work/missing/out.3gp")|1|^libm9s: cannot write into the folder of the output
output folder is a file|$program -i $(windows_path "$samples/clip.avi")  $defaults -y $(windows_path "$earlier")\\out.3gp|1|^libm9s: cannot write into the folder of the output
unknown option|$program -i $(windows_path "$samples/clip.avi")  $defaults -z 5 -y $target|2|^libm9s: unknown option -z
one blank before -f|$program -i $(windows_path "$samples/clip.avi") $defaults -y $target|2|two blanks and -f
other format|$program -i $(windows_path "$samples/clip.avi")  ${defaults/3gp/mp4} -y $target|2|unsupported output format "mp4"
size H.263 cannot code|$program -i $(windows_path "$samples/clip.avi")  ${defaults/176x144/320x240} -y $target|2|H.263 cannot code the frame size 320x240
no arguments|$program|2|^usage: libm9s -i
LIST

exit $((failures > 0))
