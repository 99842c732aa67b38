#!/bin/sh
# Compiles one language's help file with chmcmd (Free Pascal's CHM
# compiler) from the HTML pages of the tree.
# Usage: build_help.sh CHMCMD SOURCE_FOLDER STAGE_FOLDER PROJECT OUTPUT [cp936]
set -eu
chmcmd=$1 source=$2 stage=$3 project=$4 output=$5 encoding=${6:-}
here=$(dirname "$0")
rm -rf "$stage"
mkdir -p "$stage"
for file in "$source"/*.html "$source"/*.hhc "$source/$project"; do
  sh "$here/convert_text.sh" "$file" "$stage/$(basename "$file")" "$encoding"
done
cp "$source/../style.css" "$stage/"
(cd "$stage" && "$chmcmd" --verbosity 1 "$project" >chmcmd.log 2>&1) || {
  cat "$stage/chmcmd.log" >&2
  exit 1
}
compiled=$(sed -n 's/^Compiled file=\([^\r]*\).*/\1/p' "$stage/$project")
cp "$stage/$compiled" "$output"
