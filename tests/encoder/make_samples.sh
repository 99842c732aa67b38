#!/usr/bin/env bash
# Writes the sample videos of the encoder tests into the folder given, with
# the native ffmpeg: a 5-second clip (also under a folder and a name with
# blanks, and as Matroska for the AviSynth script), a 60-second clip that
# takes several seconds to convert, two 20-second 640x480 clips for the
# bitrate (moving test pattern, and a calmer one whose pattern changes five
# times a second) and a file that is no video at all.
set -euo pipefail
samples="$1"
blanks="$samples/folder with blanks"
mkdir -p "$blanks"

make_clip() {  # make_clip <seconds> <output> [<pattern>]
  ffmpeg -v error -y -f lavfi -i "${3:-testsrc=size=320x240:rate=25}" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100" -t "$1" -ac 2 \
    -c:v mpeg4 -q:v 8 -c:a pcm_s16le "$2"
}

make_clip 5 "$samples/clip.avi"
make_clip 60 "$samples/long.avi"
make_clip 20 "$samples/moving.avi" "testsrc=size=640x480:rate=25"
make_clip 20 "$samples/calm.avi" "testsrc=size=640x480:rate=5,fps=25"
cp "$samples/clip.avi" "$blanks/clip two.avi"
ffmpeg -v error -y -i "$samples/clip.avi" -c copy "$blanks/clip two.mkv"
printf 'This is not a video.\n' > "$samples/not a video.avi"
