#!/usr/bin/env bash
# The encoder's time and picture against FFmpeg run plainly, on six inputs
# made here by Debian's encoders: MPEG-4 640x480 in AVI, MPEG-2 720x576 in
# a DVD's VOB, H.264 1280x720 and 1920x1080 and HEVC 1920x1080 in MP4, VP9
# 1280x720 in WebM, each 20 seconds of a slow pan and zoom over a textured
# picture (overlapping discs and blocks of many sizes under a grainy light,
# like a photograph) with a soundtrack of noise and tones.
#
# Each input is converted at the converter's default settings (176x144,
# 14.98 fps, 120 kbit/s) by libm9s.exe and by the ffmpeg.exe it carries
# running the plain command those settings give (the one libm9s.exe ran
# before it chose options for each input); both are started through
# run_command_line.exe, as the converter starts the encoder, and their
# rounds alternate, so that both meet the same load. Times are medians of
# the rounds: wall time, and processor time (user and system of every
# process of the run, FFmpeg's included). SSIM compares each output with a
# reference that the same ffmpeg.exe makes from the same input with the
# plain command at 3,000 kbit/s, so that all three hold the same frames,
# scaled alike. The inputs are kept in the build tree for the next run.
# Usage: speed_benchmark.sh <cross build folder> [rounds]   (5 unless told)
# LIBM9S=<path of a libm9s.exe> times another encoder, one built before a
# change for example.
set -euo pipefail
build=$(cd "$1" && pwd) rounds=${2:-5}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/env.sh"
source "$here/../../tools/display.sh"
libm9s=${LIBM9S:-$build/bin/libm9s.exe}
runner=$build/tests/encoder/run_command_line.exe
work=$build/tests/encoder/speed
mkdir -p "$work/inputs" "$work/out"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

seconds=20 width=3200 height=1800
picture=$work/inputs/picture.jpg

# "Dead leaves": discs and blocks of sizes spread like those of things in
# a photograph, each hiding what lies under it, in earthy colours; a
# plasma's soft light over them and a fine grain.
make_picture() {
  awk -v W=$width -v H=$height 'function c8(v) { return v < 0 ? 0 : v > 255 ? 255 : int(v) }
    BEGIN { srand(3); printf "viewbox 0 0 %d %d\nfill #666666 rectangle 0,0 %d,%d\n", W, H, W, H
      for (i = 0; i < 5000; i++) {
        x = int(rand() * W); y = int(rand() * H); r = int(4 / (0.02 + rand()) ^ 1.1)
        if (r > 300) r = 300
        h = rand(); g = 60 + rand() * 140
        c = sprintf("#%02x%02x%02x", c8(g + h * 60), c8(g + rand() * 50), c8(g - h * 50))
        if (rand() < 0.6) printf "fill %s circle %d,%d %d,%d\n", c, x, y, x + r, y
        else printf "fill %s rectangle %d,%d %d,%d\n", c, x, y, x + r, y + int(r * (0.3 + rand() * 1.5))
      } }' |
    convert mvg:- -blur 0x0.8 \
      \( -seed 11 -size ${width}x$height plasma:fractal -blur 0x20 -colorspace gray -auto-level \) \
      -compose softlight -composite \
      \( -size ${width}x$height xc:gray50 -seed 5 -attenuate 1.5 +noise Gaussian -blur 0x1 \) \
      -compose overlay -composite -quality 95 "$picture"
}

# make_input <file> <size> <rate> <ffmpeg output options>
make_input() {
  local frames=$((seconds * $3))
  local pan="zoompan=z='1+0.5*on/$frames':x='(iw-iw/zoom)*on/$frames'"
  pan+=":y='(ih-ih/zoom)*(0.3+0.4*on/$frames)':d=$frames:s=$2:fps=$3"
  # shellcheck disable=SC2086  # the options are words
  ffmpeg -nostdin -v error -y -loop 1 -framerate 1 -i "$picture" \
    -f lavfi -i "anoisesrc=c=pink:a=0.1:r=48000:d=$seconds" \
    -f lavfi -i "sine=f=330:r=48000:d=$seconds" -f lavfi -i "sine=f=494:r=48000:d=$seconds" \
    -filter_complex "[0:v]$pan,format=yuv420p[v];[3:a]volume='0.5+0.5*sin(t*3)':eval=frame[t];[1:a][2:a][t]amix=inputs=3[a]" \
    -map '[v]' -map '[a]' -ac 2 -t $seconds $4 "$work/inputs/$1"
}

inputs=(mpeg4.avi mpeg2.vob h264-720.mp4 h264-1080.mp4 hevc-1080.mp4 vp9-720.webm)
declare -A kind=(
  [mpeg4.avi]="MPEG-4 640x480 AVI" [mpeg2.vob]="MPEG-2 720x576 VOB"
  [h264-720.mp4]="H.264 1280x720 MP4" [h264-1080.mp4]="H.264 1920x1080 MP4"
  [hevc-1080.mp4]="HEVC 1920x1080 MP4" [vp9-720.webm]="VP9 1280x720 WebM")
[[ -s $picture ]] || make_picture
while IFS='|' read -r file size rate options; do
  [[ -s $work/inputs/$file ]] && continue
  echo "making $file (x265 and VP9 take a few minutes)"
  make_input "$file" "$size" "$rate" "$options"
done <<LIST
mpeg4.avi|640x480|25|-c:v mpeg4 -vtag XVID -q:v 4 -c:a libmp3lame -b:a 128k
mpeg2.vob|720x576|25|-target pal-dvd
h264-720.mp4|1280x720|30|-c:v libx264 -preset medium -crf 23 -c:a aac -b:a 128k
h264-1080.mp4|1920x1080|30|-c:v libx264 -preset medium -crf 23 -c:a aac -b:a 128k
hevc-1080.mp4|1920x1080|30|-c:v libx265 -preset fast -crf 26 -x265-params log-level=error -tag:v hvc1 -c:a aac -b:a 128k
vp9-720.webm|1280x720|30|-c:v libvpx-vp9 -b:v 2M -deadline good -cpu-used 4 -row-mt 1 -c:a libopus -b:a 96k
LIST

# The plain command: what the settings give, as libm9s.exe ran it before
# it chose options for each input; the picture fitted into the frame as
# libm9s.exe fits it, so that both outputs and the reference hold the same
# picture.
fitted="fps=15000/1001,scale=w='min(176,2*round(144*dar*11/24))'"
fitted+=":h='min(144,2*round(176*12/(22*dar)))',pad=176:144:(ow-iw)/2:(oh-ih)/2,setsar=12/11"
plain_line() {  # plain_line <input> <output> <video kbit/s>
  printf '"%s" -hide_banner -nostats -loglevel level+info -progress pipe:1 -i "%s" -sn -dn' \
    "$(windows_path "$VEXMOOR_FFMPEG")" "$(windows_path "$1")"
  printf ' -c:v h263 -b:v %sk -maxrate %sk -bufsize %sk -vf %s' "$3" "$3" "$3" "$fitted"
  printf ' -c:a aac -b:a 32k -ar 8000 -ac 1 -f 3gp -y "%s"' "$(windows_path "$2")"
}
encoder_line() {  # encoder_line <input> <output>
  printf '"%s" -i %s  -f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1 -y %s' \
    "$(windows_path "$libm9s")" "$(windows_path "$1")" "$(windows_path "$2")"
}

# timed <times file> <command line>: runs it and appends "<wall> <processor>".
timed() {
  if ! VEXMOOR_COMMAND_LINE="$2" perl "$here/process_tree_time.pl" "$work/times" \
    wine "$runner" </dev/null >/dev/null 2>"$work/stderr"; then
    echo "failed: $2" >&2
    tr '\r' '\n' <"$work/stderr" | tail -5 >&2
    exit 1
  fi
  cat "$work/times" >>"$1"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ssim() {
  ffmpeg -nostdin -i "$1" -i "$2" -lavfi '[0:v][1:v]ssim' -f null - 2>&1 |
    sed -n 's/.*SSIM .* All:\([0-9.]*\).*/\1/p'
}

start_wine_display
trap stop_wine_display EXIT
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "references at 3,000 kbit/s, and a first run of each that unpacks FFmpeg"
for file in "${inputs[@]}"; do
  timed /dev/null "$(plain_line "$work/inputs/$file" "$work/out/$file.reference.3gp" 3000)"
done
timed /dev/null "$(encoder_line "$work/inputs/mpeg4.avi" "$work/out/warm-up.3gp")"

rm -f "$work"/out/*.times
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds"
  for file in "${inputs[@]}"; do
    # Each goes first in every other round.
    if ((round % 2)); then order=(plain ours); else order=(ours plain); fi
    for which in "${order[@]}"; do
      output=$work/out/$file.$which.3gp
      if [[ $which == plain ]]; then
        line=$(plain_line "$work/inputs/$file" "$output" 120)
      else
        line=$(encoder_line "$work/inputs/$file" "$output")
      fi
      timed "$work/out/$file.$which.times" "$line"
    done
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

printf '\n%-20s %7s %7s %6s %7s %7s %6s %8s %8s %7s %9s %9s %6s\n' input "plain s" "ours s" ratio \
  "plain p" "ours p" ratio "SSIM pl" "SSIM us" gain "plain B" "ours B" "our kb"
ratios=() processor_ratios=()
declare -A wall processor picture bytes
for file in "${inputs[@]}"; do
  for which in plain ours; do
    wall[$which]=$(cut -d' ' -f1 "$work/out/$file.$which.times" | median)
    processor[$which]=$(cut -d' ' -f2 "$work/out/$file.$which.times" | median)
    picture[$which]=$(ssim "$work/out/$file.$which.3gp" "$work/out/$file.reference.3gp")
    bytes[$which]=$(stat -c %s "$work/out/$file.$which.3gp")
  done
  ratio=$(awk -v a="${wall[ours]}" -v b="${wall[plain]}" 'BEGIN { printf "%.3f", a / b }')
  processor_ratio=$(awk -v a="${processor[ours]}" -v b="${processor[plain]}" \
    'BEGIN { printf "%.3f", a / b }')
  gain=$(awk -v a="${picture[ours]}" -v b="${picture[plain]}" 'BEGIN { print a - b }')
  ratios+=("$ratio") processor_ratios+=("$processor_ratio")
  video_rate=$(ffprobe -v error -select_streams v:0 -show_entries stream=bit_rate -of csv=p=0 \
    "$work/out/$file.ours.3gp")
  printf '%-20s %7.2f %7.2f %6.3f %7.2f %7.2f %6.3f %8.4f %8.4f %+7.4f %9d %9d %6d\n' "${kind[$file]}" \
    "${wall[plain]}" "${wall[ours]}" "$ratio" "${processor[plain]}" "${processor[ours]}" \
    "$processor_ratio" "${picture[plain]}" "${picture[ours]}" "$gain" "${bytes[plain]}" "${bytes[ours]}" \
    $((video_rate / 1000))
done
geometric_mean() { printf '%s\n' "$@" | awk '{ s += log($1) } END { printf "%.3f", exp(s / NR) }'; }
printf '\nwall-time ratio, geometric mean: %s (goal: at most 0.8; no ratio above 1)\n' \
  "$(geometric_mean "${ratios[@]}")"
printf 'processor-time ratio, geometric mean: %s\n' "$(geometric_mean "${processor_ratios[@]}")"
printf 'times are medians of %d rounds; s: wall seconds, p: processor seconds; B: bytes;\n' "$rounds"
printf 'our kb: the video bitrate of our output in kbit/s (120 asked for)\n'
printf 'load average (1, 5, 15 min) before: %s, after: %s, on %d processors\n' \
  "$load_before" "$load_after" "$(nproc)"
