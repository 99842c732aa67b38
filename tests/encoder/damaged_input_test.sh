#!/usr/bin/env bash
# Damaged and misnamed inputs through libm9s.exe under Wine: each run ends
# by itself (no crash dialog holds it), with FFmpeg's reason, and leaves no
# process and no temporary file behind. What fails writes nothing: no
# output where there was none, and an earlier output kept as it was; what
# FFmpeg can read a part of converts that part.
# Usage: damaged_input_test.sh <bin folder> <work folder> <run_command_line.exe>
set -uo pipefail
bin=$1 work=$2 runner=$3
rm -rf "$work"
mkdir -p "$work"
source "$(dirname "${BASH_SOURCE[0]}")/encoder_runs.sh"

make_clip() {  # make_clip <file> <ffmpeg output options>: three seconds, H.264 and AAC
  # shellcheck disable=SC2086  # the options are words
  ffmpeg -v error -y -f lavfi -i testsrc2=size=320x240:rate=25 \
    -f lavfi -i sine=sample_rate=44100 -t 3 -c:v libx264 -preset ultrafast -c:a aac $2 "$1" </dev/null
}

first_half() { head -c $(($(stat -c %s "$1") / 2)) "$1" >"$2"; }

# Random bytes over all but the first and last 4 KiB: the headers and the
# index stay, the frames are garbage.
garble() {
  perl -0777 -e 'srand 7; $_ = <STDIN>; substr($_, 4096, length($_) - 8192) =
    join "", map { chr int rand 256 } 1 .. length($_) - 8192; print' <"$1" >"$2"
}

make_clip "$work/clip.mp4" ""
make_clip "$work/clip.mkv" ""
make_clip "$work/clip.avi" ""
first_half "$work/clip.mp4" "$work/truncated.mp4"
first_half "$work/clip.mkv" "$work/truncated.mkv"
: >"$work/empty.avi"
ffmpeg -v error -y -f lavfi -i sine -t 2 -c:a libmp3lame -f mp3 "$work/song.avi" </dev/null
garble "$work/clip.avi" "$work/garbage.avi"
garble "$work/clip.mp4" "$work/garbage.mp4"
# A codec no decoder knows: the AVI's FourCC changed in its stream header
# and format.
perl -0777 -pe 's/H264/VXMR/g' "$work/clip.avi" >"$work/unknown codec.avi"

# Whether a process still runs that was started on this input (Wine shows
# a Windows process's command line); pgrep never counts itself.
left_running() {
  pgrep -f -- "$(windows_path "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')" >/dev/null
}

defaults="-f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1"
earlier="$work/earlier.3gp"
while IFS='|' read -r name file code message; do
  input="$work/$file"
  printf 'earlier' >"$earlier"
  encode "$defaults" "$input" "$earlier"
  [[ $status -eq $code ]] || fail "$name: exit code $status, not $code"
  said "$message" || fail "$name: no message \"$message\""
  said "FFmpeg failed: exit code" && fail "$name: FFmpeg ended without saying why"
  if ((code == 0)); then
    [[ $(probe "$earlier" v:0 stream=codec_name) == h263 ]] || fail "$name: no H.263 video written"
  else
    said "^libm9s: FFmpeg failed: " || fail "$name: the encoder did not say that FFmpeg failed"
    [[ $(cat "$earlier") == earlier ]] || fail "$name: the earlier output changed"
    encode "$defaults" "$input" "$work/new.3gp"
    [[ $status -eq $code ]] && said "$message" ||
      fail "$name, no earlier output: exit code $status, or not its message"
    [[ -e $work/new.3gp ]] && fail "$name: an output was written where there was none"
  fi
  no_partial_files "$earlier" || fail "$name: a temporary file was left"
  left_running "$input" && fail "$name: a process was left running"
done <<LIST
truncated MP4, its index lost|truncated.mp4|1|moov atom not found
no bytes at all|empty.avi|1|empty.avi: Invalid data found when processing input
audio named .avi|song.avi|1|song.avi: Invalid data found when processing input
AVI of garbage frames|garbage.avi|1|Could not find codec parameters for stream 0
MP4 of garbage frames|garbage.mp4|1|Error while decoding stream
unknown video codec|unknown codec.avi|1|Decoder \(codec none\) not found for input stream
truncated Matroska, the first half converted|truncated.mkv|0|File ended prematurely
LIST

# The last row's output: what there was of the truncated Matroska file.
length=$(duration "$earlier")
awk -v d="$length" 'BEGIN { exit !(d > 0.5 && d < 2.5) }' ||
  fail "truncated Matroska: converted $length s of the 3 s clip"

exit $((failures > 0))
