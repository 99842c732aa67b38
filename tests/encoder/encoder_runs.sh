# Shared by the encoder's test scripts, which source it after setting $bin
# (the folder of libm9s.exe), $work (a folder of their own) and $runner
# (run_command_line.exe): running
# libm9s.exe under Wine on command lines of the converter's shape, and
# checking what it wrote with the native ffprobe.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"

failures=0
fail() {
  printf 'FAIL: %s\n' "$*"
  sed 's/^/  stderr: /' "$work/stderr" | tr '\r' '\n'
  failures=$((failures + 1))
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Runs one command line exactly as written; sets $status and leaves the
# encoder's standard error in $work/stderr. A run that outlasts two minutes
# (FFmpeg waiting on a crash dialog, say) is ended and counts as status 124.
run_line() {
  VEXMOOR_COMMAND_LINE="$1" timeout 120 wine "$runner" </dev/null >/dev/null 2>"$work/stderr"
  status=$?
}

encode() {  # encode <options> <input> <output>; keeps the video bitrate asked for
  video_kbps=$(sed -nE 's/(^|.* )-b ([0-9]+).*/\2/p' <<<"$1")
  run_line "$(windows_path "$bin")\\libm9s -i $(windows_path "$2")  $1 -y $(windows_path "$3")"
}

# Without -q: grep would stop at the first match and tr, its pipe closed,
# fail the pipeline under pipefail on a long standard error.
said() { tr '\r' '\n' <"$work/stderr" | grep -E -- "$1" >/dev/null; }

probe() {  # probe <file> <stream> <entries>
  ffprobe -v error -select_streams "$2" -show_entries "$3" -of csv=p=0 "$1"
}

duration() { ffprobe -v error -show_entries format=duration -of csv=p=0 "$1"; }

no_partial_files() { ! compgen -G "$(dirname "$1")/*.partial" >/dev/null; }

# The input's duration as the encoder shows it: FFmpeg's, in tenths of a
# second (H:MM:SS.T), or N/A for a file that carries none.
duration_text() {
  awk -v s="$(duration "$1")" 'BEGIN { if (s !~ /^[0-9.]+$/) { print "N/A"; exit }
    t = int(s * 10 + 0.5)
    printf "%02d:%02d:%02d\\.%d", t / 36000, t / 600 % 60, t / 10 % 60, t % 10 }'
}

# Whether every picture of the file's video is baseline H.263: FFmpeg's
# decoder, asked to debug pictures, names the H.263+ annexes a picture uses
# (AP, UMV, AIC, LOOP and the like) between "rnd:" and the frame rate.
baseline_h263() {
  local pictures
  pictures=$(ffprobe -v info -debug pict -select_streams v:0 -show_entries frame=pict_type \
    -of csv=p=0 "$1" 2>&1 >/dev/null | grep ' qp:')
  [[ -n $pictures ]] && ! grep -qvE 'rnd:[01] [0-9]+/[0-9]+$' <<<"$pictures"
}

# check_conversion <name> <input> <output> <video> <audio> <rate> [<seconds>]:
# the output is 3GP with the given streams (an empty <audio> for none), its
# video baseline H.263 at the bitrate asked for (on ten seconds or more),
# lasts as long as the input (or <seconds>), and the encoder said the
# input's duration, the frame rate and the frame count, the texts the
# converter reads.
check_conversion() {
  local name=$1 input=$2 output=$3 length=${7:-$(duration "$2")}
  [[ $status -eq 0 ]] || { fail "$name: exit code $status"; return; }
  [[ $(probe "$output" v:0 stream=codec_name,width,height,r_frame_rate) == "$4" ]] ||
    fail "$name: video is $(probe "$output" v:0 stream=codec_name,width,height,r_frame_rate), not $4"
  baseline_h263 "$output" || fail "$name: the video is not baseline H.263"
  [[ $(probe "$output" a:0 stream=codec_name,sample_rate,channels) == "$5" ]] ||
    fail "$name: audio is \"$(probe "$output" a:0 stream=codec_name,sample_rate,channels)\", not \"$5\""
  [[ $(ffprobe -v error -show_entries format_tags=major_brand -of csv=p=0 "$output") == 3gp* ]] ||
    fail "$name: not a 3GP file"
  # Phones and message limits rely on the video bitrate: its average stays
  # within a tenth of the one asked for. The rate control's buffer of one
  # second lets a clip of n seconds go over by 1/n, so clips shorter than
  # ten seconds are not held to it.
  local bitrate
  bitrate=$(probe "$output" v:0 stream=bit_rate)
  if awk -v s="$length" 'BEGIN { exit !(s >= 10) }' &&
    ((bitrate < video_kbps * 900 || bitrate > video_kbps * 1100)); then
    fail "$name: video at $bitrate bit/s, not $video_kbps kbit/s"
  fi
  local out_length
  out_length=$(duration "$output")
  awk -v a="$length" -v b="$out_length" 'BEGIN { d = a - b; exit !(d < 0.3 && d > -0.3) }' ||
    fail "$name: lasts $out_length s, not $length s"
  # FFmpeg names the start of the input after its duration when it knows it.
  said "Duration: $(duration_text "$input"), (start|bitrate):" ||
    fail "$name: no duration text $(duration_text "$input")"
  said ", $6 fps\\(r\\)" || fail "$name: no frame rate text ($6)"
  said "^frame= *[0-9]+ q=" || fail "$name: no progress text"
  no_partial_files "$output" || fail "$name: a temporary file was left"
}
