#!/bin/sh
# Copies a text file of the tree to where the program's folder is put
# together, with Windows line ends. With "cp936" it also re-encodes the
# file from UTF-8 into code page 936, the system code page of Simplified
# Chinese Windows, and an HTML file then declares that code page.
# Usage: convert_text.sh IN OUT [cp936]
set -eu
in=$1 out=$2 encoding=${3:-}
mkdir -p "$(dirname "$out")"
if [ "$encoding" = cp936 ]; then
  sed -e 's/charset=utf-8/charset=gb2312/' -e 's/$/\r/' "$in" | iconv -f UTF-8 -t CP936 >"$out.partial"
else
  sed -e 's/$/\r/' "$in" >"$out.partial"
fi
mv "$out.partial" "$out"
