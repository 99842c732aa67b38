#!/usr/bin/env bash
# Writes the seed corpus of the input header fuzzer into the folder named:
# the first kilobytes of tiny files of each container the readers know, as
# the native ffmpeg writes them. Usage: make_video_seeds.sh <folder>
set -euo pipefail
corpus=$1
mkdir -p "$corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r name options; do
  # shellcheck disable=SC2086  # the options are words
  ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=64x48:rate=5 -f lavfi -i sine=d=0.4 \
    -t 0.4 $options "$work/$name"
  head -c 8192 "$work/$name" >"$corpus/$name"
done <<LIST
mpeg4.avi -c:v mpeg4 -vtag XVID -c:a pcm_s16le
faststart.mp4 -c:v mpeg4 -c:a aac -movflags +faststart
movie-last.mov -c:v mjpeg -c:a pcm_s16le
clip.webm -c:v libvpx -c:a libopus
clip.mkv -c:v mpeg4 -c:a pcm_s16le
program.mpg -c:v mpeg2video -c:a mp2 -f vob
LIST
# The movie box of this one follows the media: whole, it fits the limit.
ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=64x48:rate=5 -t 0.4 -c:v mpeg4 \
  "$corpus/movie-last.mp4"
