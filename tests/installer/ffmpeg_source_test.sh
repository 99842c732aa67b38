#!/usr/bin/env bash
# The source archive beside the installer holds the corresponding source of
# the FFmpeg that plug.exe carries: the Debian source packages its build
# record names, each file with the recorded SHA-256; the build script and
# configuration of the tree; and a record whose checksum of ffmpeg.exe is
# that of the carried one.
# Usage: ffmpeg_source_test.sh <archive> <ffmpeg.exe> <the tree's ffmpeg folder> <scratch>
set -euo pipefail
archive=$1 ffmpeg=$2 tree=$3 scratch=$4
rm -rf "$scratch"
mkdir -p "$scratch"
tar -xf "$archive" -C "$scratch"
top="$scratch/$(basename "$archive" .tar)"
record="$top/build-record.txt"

# The packages' files: the lines of two words under a "name version" line.
listed=$(awk 'NF == 2 && length($1) == 64 && $1 ~ /^[0-9a-f]+$/ { print $1 "  " $2 }' "$record")
[[ $(wc -l <<<"$listed") -ge 12 ]] || { echo "FAIL: the record lists too few files"; exit 1; }
(cd "$top/debian" && sha256sum --quiet -c <<<"$listed")
for name in ffmpeg dav1d opencore-amr zlib; do
  grep -q "^$name [0-9:]*[0-9][^ ]*$" "$record" || { echo "FAIL: no package $name"; exit 1; }
  ls "$top/debian/${name}_"*.dsc >/dev/null
done

diff -r "$tree" "$top/ffmpeg"
grep -q -- '^    --disable-everything' "$record"  # FFmpeg's configure line

recorded=$(sed -n 's/^ffmpeg.exe: .* SHA-256 //p' "$record")
[[ $recorded == $(sha256sum <"$ffmpeg" | cut -d' ' -f1) ]] ||
  { echo "FAIL: the record names another ffmpeg.exe"; exit 1; }
echo "$(basename "$archive") holds the source of the carried ffmpeg.exe"
