#!/usr/bin/env bash
# Checks the appended files of the build: libm9s.exe carries ffmpeg.exe
# byte for byte before its 24-byte payload trailer, and plug.exe's
# four-byte trailer (the carried size plus four) yields libm9s.exe byte for
# byte. The carried FFmpeg is the one built from Debian's source: under
# Wine it names the version of the source package its build record names.
# Usage: carrier_test.sh <bin folder> <FFmpeg build folder>
set -euo pipefail
bin=$1 build=$2
ffmpeg=$build/ffmpeg.exe encoder="$bin/libm9s.exe" carrier="$bin/plug.exe"
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"

number_at() {  # number_at <file> <offset> <bytes>: an unsigned little-endian number
  od -An -t "u$3" -j "$2" -N "$3" --endian=little "$1" | tr -d ' '
}

size=$(stat -c %s "$carrier")
count=$(number_at "$carrier" $((size - 4)) 4)
tail -c "$count" "$carrier" | head -c $((count - 4)) | cmp - "$encoder"

size=$(stat -c %s "$encoder")
payload=$(number_at "$encoder" $((size - 24)) 8)
[[ $(tail -c 8 "$encoder") == M9SFFMPG ]]
tail -c $((payload + 24)) "$encoder" | head -c "$payload" | cmp - "$ffmpeg"
echo "plug.exe carries libm9s.exe; libm9s.exe carries ffmpeg.exe"

# "ffmpeg 7:5.1.9-0+deb12u1" in the record; "ffmpeg version 5.1.9-0+deb12u1"
# from FFmpeg, without Debian's epoch.
recorded=$(awk '$1 == "ffmpeg" { sub(/^[0-9]+:/, "", $2); print $2; exit }' \
  "$build/source/build-record.txt")
# Into a file: Wine's helper processes may keep a pipe open.
version=$(mktemp)
trap 'rm -f "$version"' EXIT
wine "$ffmpeg" -version </dev/null >"$version" 2>&1 || true
said=$(head -n 1 "$version" | tr -d '\r')
[[ -n $recorded && $said == "ffmpeg version $recorded "* ]] ||
  { echo "FAIL: ffmpeg.exe says \"$said\"; its record names $recorded"; exit 1; }
echo "$said"
