#!/usr/bin/env bash
# Checks the appended files of the build: libm9s.exe carries ffmpeg.exe
# byte for byte before its 24-byte payload trailer, and plug.exe's
# four-byte trailer (the carried size plus four) yields libm9s.exe byte for
# byte. Usage: carrier_test.sh <bin folder> <ffmpeg.exe>
set -euo pipefail
bin=$1 ffmpeg=$2
encoder="$bin/libm9s.exe" carrier="$bin/plug.exe"

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
