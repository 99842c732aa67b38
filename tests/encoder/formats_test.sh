#!/usr/bin/env bash
# Converts one small sample of each container and codec the converter
# takes, and of those phones and the web make, with libm9s.exe under Wine
# at the default settings, and checks each output with the native ffprobe.
# The samples are made here by the native ffmpeg's encoders. Debian's
# FFmpeg writes neither Smacker (.smk) nor NSV (.nsv), whose demuxers the
# encoder's FFmpeg carries; they have no sample.
# Each conversion also adds a row to a table, $work/conversions.md, printed
# at the end: the input, its length, and the output's size and length.
# Usage: formats_test.sh <bin folder> <work folder> <run_command_line.exe>
set -uo pipefail
bin=$1 work=$2 runner=$3
rm -rf "$work"
mkdir -p "$work/samples"
source "$(dirname "${BASH_SOURCE[0]}")/encoder_runs.sh"

# make_sample <file> <ffmpeg output options>: two seconds of moving test
# pattern at 320x240 and 25 fps with a tone at 48 kHz.
make_sample() {
  # shellcheck disable=SC2086  # the options are words
  ffmpeg -v error -y -f lavfi -i testsrc2=size=320x240:rate=25 \
    -f lavfi -i sine=frequency=440:sample_rate=48000 -t 2 $2 "$1" </dev/null
}

# Compressed SWF: the body after the 8-byte header, deflated in zlib's
# format, and the signature's first letter C instead of F.
compress_swf() {
  perl -MCompress::Zlib -0777 -e '$_ = <STDIN>; print "C", substr($_, 1, 7), compress(substr($_, 8))' \
    <"$1" >"$2"
}

table="$work/conversions.md"
printf '| Input | File | Made (s) | ffprobe (s) | Output (bytes) | Output (s) |\n' >"$table"
printf '|---|---|---|---|---|---|\n' >>"$table"
# add_row <name> <input> <output> <seconds made>: ffprobe reads no length
# from a Flash movie, and too short a one from a raw MPEG-1 stream.
add_row() {
  [[ -f $3 ]] || return
  printf '| %s | %s | %s | %s | %d | %s |\n' "$1" "$(basename "$2")" "$4" "$(seconds "$2")" \
    "$(stat -c %s "$3")" "$(seconds "$3")" >>"$table"
}
seconds() { duration "$1" | awk '{ if ($1 ~ /^[0-9.]+$/) printf "%.2f", $1; else printf "%s", $1 }'; }

x265='-x265-params log-level=error -preset ultrafast'
defaults="-f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1"
while IFS='|' read -r name file options audio; do
  [[ -n $name ]] || continue
  input="$work/samples/$file"
  if ! make_sample "$input" "$options" 2>"$work/stderr"; then
    fail "$name: the native ffmpeg could not make the sample"
    continue
  fi
  encode "$defaults" "$input" "$work/out.3gp"
  check_conversion "$name" "$input" "$work/out.3gp" h263,176,144,15000/1001 "$audio" 14.985 2
  add_row "$name" "$input" "$work/out.3gp" 2
  # The options chosen for the input held: no second, plain run.
  said "with the plain command" && fail "$name: converted only by the plain command"
  rm -f "$work/out.3gp"
done <<LIST
H.264 and AAC, as phones write|phone.mp4|-c:v libx264 -preset ultrafast -c:a aac|aac,8000,1
H.264 and 5.1 AAC|surround.mp4|-c:v libx264 -preset ultrafast -c:a aac -ac 6|aac,8000,1
10-bit H.264 and AC-3|ten-bit.mkv|-c:v libx264 -preset ultrafast -pix_fmt yuv420p10le -c:a ac3|aac,8000,1
HEVC and AAC, as iPhones write|iphone.mov|-c:v libx265 $x265 -tag:v hvc1 -c:a aac|aac,8000,1
10-bit HEVC|hdr.mp4|-c:v libx265 $x265 -pix_fmt yuv420p10le -c:a aac|aac,8000,1
VP9 and Opus, as the web sends|web.webm|-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -c:a libopus|aac,8000,1
VP8 and Vorbis|old-web.webm|-c:v libvpx -deadline realtime -cpu-used 8 -c:a libvorbis|aac,8000,1
AV1 and Opus|av1.mkv|-c:v libsvtav1 -preset 12 -c:a libopus|aac,8000,1
H.264 without audio|silent.mp4|-c:v libx264 -preset ultrafast -an|
H.264 and E-AC-3 in a transport stream|broadcast.ts|-c:v libx264 -preset ultrafast -c:a eac3|aac,8000,1
H.264 and AC-3 from a camcorder|camcorder.mts|-c:v libx264 -preset ultrafast -c:a ac3 -f mpegts -mpegts_m2ts_mode 1|aac,8000,1
H.264 and AC-3 from a Blu-ray|disc.m2ts|-c:v libx264 -preset ultrafast -c:a ac3 -f mpegts -mpegts_m2ts_mode 1|aac,8000,1
MPEG-2 and DTS in Matroska|film.mkv|-c:v mpeg2video -c:a dca -strict -2|aac,8000,1
Matroska named .mp4|misnamed.mp4|-c:v libx264 -preset ultrafast -c:a libvorbis -f matroska|aac,8000,1
MPEG-4 and MP3, as DivX writes|film.divx|-c:v mpeg4 -vtag DIVX -c:a libmp3lame -f avi|aac,8000,1
MS-MPEG-4 and PCM in AVI|old.avi|-c:v msmpeg4 -c:a pcm_s16le|aac,8000,1
Motion JPEG and PCM from a camera|camera.avi|-c:v mjpeg -c:a pcm_u8|aac,8000,1
DV from a camcorder|tape.avi|-c:v dvvideo -s 720x576 -pix_fmt yuv420p -c:a pcm_s16le|aac,8000,1
MPEG-2 and MP2|tv.mpg|-c:v mpeg2video -c:a mp2 -f mpeg|aac,8000,1
MPEG-1 video stream|stream.mpeg|-c:v mpeg1video -an -f mpeg1video|
MPEG-2 and AC-3 of a DVD|disc.vob|-target pal-dvd -s 352x288|aac,8000,1
MPEG-1 and MP2 of a Video CD|disc.dat|-target pal-vcd|aac,8000,1
Windows Media 8|clip.wmv|-c:v wmv2 -c:a wmav2|aac,8000,1
Windows Media 7 in ASF|clip.asf|-c:v wmv1 -c:a wmav1|aac,8000,1
QuickTime with ProRes and PCM|edit.mov|-c:v prores_ks -c:a pcm_s16be|aac,8000,1
QuickTime with Sorenson Video and ALAC|old.qt|-c:v svq1 -c:a alac -f mov|aac,8000,1
MPEG-4 and AAC in 3GP|phone.3gp|-c:v mpeg4 -c:a aac -ar 16000 -ac 1|aac,8000,1
H.263 and AAC in 3G2|phone.3g2|-c:v h263 -s 176x144 -c:a aac -ar 16000 -ac 1|aac,8000,1
H.264 and AAC from iTunes|episode.m4v|-c:v libx264 -preset ultrafast -c:a aac -f ipod|aac,8000,1
H.264 and AAC for the PSP|game.psp|-c:v libx264 -preset ultrafast -c:a aac -f psp|aac,8000,1
H.264 and AAC in F4V|flash.f4v|-c:v libx264 -preset ultrafast -c:a aac -f f4v|aac,8000,1
Sorenson Spark and Nellymoser in FLV|old-flash.flv|-c:v flv -c:a nellymoser -ar 44100|aac,8000,1
H.264 and AAC in FLV|flash.flv|-c:v libx264 -preset ultrafast -c:a aac|aac,8000,1
RealVideo 2 and AC-3|clip.rmvb|-c:v rv20 -c:a ac3 -f rm|aac,8000,1
RealVideo 1 and RealAudio 1|clip.rm|-c:v rv10 -c:a real_144 -ar 8000 -ac 1|aac,8000,1
Theora and Vorbis|clip.ogv|-c:v libtheora -c:a libvorbis|aac,8000,1
Flash movie, Sorenson Spark and MP3|movie.swf|-c:v flv -c:a libmp3lame -ar 44100 -f swf|aac,8000,1
LIST

# A phone held upright stores its picture on its side and the turn in the
# file, which FFmpeg applies with a filter of its own before the encoder's.
# (Only a copy keeps the turn.)
ffmpeg -v error -y -i "$work/samples/iphone.mov" -c copy -metadata:s:v:0 rotate=90 \
  "$work/samples/upright.mov" </dev/null
encode "$defaults" "$work/samples/upright.mov" "$work/upright.3gp"
check_conversion "HEVC of a phone held upright" "$work/samples/upright.mov" "$work/upright.3gp" \
  h263,176,144,15000/1001 aac,8000,1 14.985 2
add_row "HEVC of a phone held upright" "$work/samples/upright.mov" "$work/upright.3gp" 2

# Most Flash movies are compressed. FFmpeg, the native one too, finds one
# of this one's packets corrupt and converts the rest.
compress_swf "$work/samples/movie.swf" "$work/samples/compressed.swf"
encode "$defaults" "$work/samples/compressed.swf" "$work/compressed.3gp"
check_conversion "compressed Flash movie" "$work/samples/compressed.swf" "$work/compressed.3gp" \
  h263,176,144,15000/1001 aac,8000,1 14.985 2
add_row "compressed Flash movie" "$work/samples/compressed.swf" "$work/compressed.3gp" 2

# Lossless Motion JPEG, as capture cards write it, refuses decoding at
# reduced size, which a 640x480 picture gets for 176x144: FFmpeg fails at
# the first frame, and the encoder converts the file again with the plain
# command. (Debian's FFmpeg tags it LJPG, which no decoder takes; cards
# tag it MJPG.)
ffmpeg -v error -y -f lavfi -i testsrc2=size=640x480:rate=25 -f lavfi -i sine=sample_rate=48000 \
  -t 2 -pix_fmt yuvj420p -c:v ljpeg -c:a pcm_s16le "$work/samples/ljpg.avi" </dev/null
perl -0777 -pe 's/LJPG/MJPG/g' <"$work/samples/ljpg.avi" >"$work/samples/lossless.avi"
encode "$defaults" "$work/samples/lossless.avi" "$work/lossless.3gp"
check_conversion "lossless Motion JPEG" "$work/samples/lossless.avi" "$work/lossless.3gp" \
  h263,176,144,15000/1001 aac,8000,1 14.985 2
add_row "lossless Motion JPEG" "$work/samples/lossless.avi" "$work/lossless.3gp" 2
said "^libm9s: note: FFmpeg failed with the options chosen for this input \(lowres is not possible with lossless jpeg\); converting it again with the plain command" ||
  fail "lossless Motion JPEG: no note of the plain command"

# A 3GP as phones write it: H.263 with AMR-NB, as the encoder writes at
# 12 kbit/s, converted once more.
encode "${defaults/-ab 32/-ab 12}" "$work/samples/phone.mp4" "$work/samples/amr.3gp"
check_conversion "AMR-NB at 12.2 kbit/s" "$work/samples/phone.mp4" "$work/samples/amr.3gp" \
  h263,176,144,15000/1001 amr_nb,8000,1 14.985
encode "$defaults" "$work/samples/amr.3gp" "$work/from-amr.3gp"
check_conversion "3GP with H.263 and AMR-NB" "$work/samples/amr.3gp" "$work/from-amr.3gp" \
  h263,176,144,15000/1001 aac,8000,1 14.985
add_row "3GP with H.263 and AMR-NB" "$work/samples/amr.3gp" "$work/from-amr.3gp" 2

cat "$table"
exit $((failures > 0))
