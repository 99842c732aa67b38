#!/usr/bin/env bash
# Makes the clips of the fault table (main_window_faults_test) with the
# native ffmpeg and, where this machine lets us mount file systems, a small
# drive: a 160 KB tmpfs that a drive letter of the test's prefix points at,
# which a 20-second clip's output overflows, and which the script remounts
# read-only when the test asks. Without it the cases that need
# it are skipped, and say so.
# Usage: faults_test.sh <main_window_faults_test.exe> <encoder bin folder> <work folder>
set -uo pipefail
program=$1 bin=$2 work=$(realpath -m "$3")
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# A run ended from outside leaves its small drive mounted.
while mountpoint -q "$work/small" 2>/dev/null; do umount "$work/small"; done
rm -rf "$work"
mkdir -p "$work/clips" "$work/small"
clip() {  # clip <output> <seconds>
  ffmpeg -v error -y -f lavfi -i "testsrc=size=320x240:rate=25:duration=$2" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$2" -ac 2 \
    -c:v mpeg4 -q:v 8 -c:a pcm_s16le -shortest "$1"
}
clip "$work/clips/short.avi" 1
clip "$work/clips/long.avi" 20
ffmpeg -v error -y -i "$work/clips/short.avi" -c:v mpeg4 -c:a aac "$work/clips/whole.mp4"
head -c 3000 "$work/clips/whole.mp4" >"$work/clips/truncated.mp4"
: >"$work/clips/empty.avi"
printf 'Not a video at all, only a text file renamed.\r\n' >"$work/clips/text.avi"

drive="" mounted="" watcher=""
cleanup() {
  [[ -n $watcher ]] && kill "$watcher"
  [[ -n $drive ]] && rm -f "$WINEPREFIX/dosdevices/$drive:"
  [[ -n $mounted ]] && umount "$work/small"
}
trap cleanup EXIT
if mount -t tmpfs -o size=160k tmpfs "$work/small" 2>/dev/null; then
  mounted=1
  for letter in s t u v w x y; do
    if ln -s "$work/small" "$WINEPREFIX/dosdevices/$letter:" 2>/dev/null; then
      drive=$letter
      break
    fi
  done
  # The test asks for the drive to be made read-only, or writable again,
  # by writing "ro" or "rw" into the request file; gone means done.
  request="$work/remount-request"
  while sleep 0.1; do
    if [[ -s $request ]]; then
      mount -o "remount,$(cat "$request")" "$work/small"
      rm -f "$request"
    fi
  done &
  watcher=$!
else
  echo "no small drive: this machine does not let the test mount a tmpfs; its cases are skipped"
fi

VEXMOOR_FAULT_ENCODER="$(windows_path "$bin")\\" VEXMOOR_FAULT_CLIPS="$(windows_path "$work/clips")\\" \
  VEXMOOR_FAULT_DRIVE="${drive:+${drive^^}:\\}" VEXMOOR_FAULT_REQUEST="$(windows_path "$work/remount-request")" \
  timeout 250 wine "$program" --gtest_brief=1 "${@:4}"
