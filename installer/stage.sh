#!/bin/sh
# Puts the program's folder as users get it into PACKAGE/Vexmoor, for the
# installer and the portable archive: every file of the build's program
# folder but config.ini (a developer's settings) and libm9s.exe (the
# encoder belongs in the system folder, where the installer and the
# program put it from plug.exe), the named programs without their debugging
# data.
#
# A file whose content has not changed is left alone, so that the
# installer and the archive, which depend on PACKAGE/contents.txt (the
# checksums of the files), are made again only after a real change. Also
# writes PACKAGE/program_files.nsh, the installer's lists of the files.
#
# Usage: stage.sh BIN PACKAGE STRIP [PROGRAM...]
set -eu
bin=$1 package=$2 strip=$3
shift 3
stage=$package/Vexmoor
next=$package/next

# Writes standard input to $1 only when that changes its content.
write_if_changed() {
  cat >"$1.new"
  if cmp -s "$1.new" "$1"; then rm "$1.new"; else mv "$1.new" "$1"; fi
}

rm -rf "$next"
mkdir -p "$next" "$stage"
(cd "$bin" && find . -type f ! -name config.ini ! -name libm9s.exe ! -name '*.partial') |
  while IFS= read -r file; do
    mkdir -p "$next/$(dirname "$file")"
    cp "$bin/$file" "$next/$file"
  done
for program in "$@"; do
  "$strip" --preserve-dates "$next/$program"  # keeps the PE header's time: the same bytes each run
done

(cd "$next" && find . -type f) | while IFS= read -r file; do
  if ! cmp -s "$next/$file" "$stage/$file"; then
    mkdir -p "$stage/$(dirname "$file")"
    cp "$next/$file" "$stage/$file"
  fi
done
(cd "$stage" && find . -type f) | while IFS= read -r file; do
  [ -e "$next/$file" ] || rm "$stage/$file"
done
find "$stage" -mindepth 1 -depth -type d -empty -delete
rm -rf "$next"

files=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
case $files in
  *'$'* | *'"'*) echo "stage.sh: a file name holds \$ or a quotation mark" >&2; exit 1 ;;
esac
folders=$(printf '%s\n' "$files" | sed -n 's|/[^/]*$||p' | LC_ALL=C sort -u)

# The installed size, in KiB, counts the encoder in the system folder too.
encoder_bytes=$(stat -c %s "$bin/libm9s.exe")
bytes=$(cd "$stage" && printf '%s\n' "$files" | tr '\n' '\0' | xargs -0 stat -c %s |
  awk -v sum="$encoder_bytes" '{ sum += $1 } END { print sum }')

windows() { printf '%s' "$1" | tr / '\\'; }
files_in() {  # the files directly in folder $1 ("." for the top)
  printf '%s\n' "$files" | awk -v folder="$1" '{
    slash = match($0, /\/[^\/]*$/)
    if ((slash ? substr($0, 1, slash - 1) : ".") == folder) print
  }'
}
{
  printf '; Written by installer/stage.sh from %s.\n' "$stage"
  printf '!define PROGRAM_SIZE_KB %s\n\n' "$(((bytes + 1023) / 1024))"
  printf '!macro InstallProgramFiles\n'
  printf '.\n%s\n' "$folders" | while IFS= read -r folder; do
    [ -n "$folder" ] || continue
    if [ "$folder" = . ]; then
      printf '  SetOutPath "$INSTDIR"\n'
    else
      printf '  SetOutPath "$INSTDIR\\%s"\n' "$(windows "$folder")"
    fi
    files_in "$folder" | while IFS= read -r file; do printf '  File "%s"\n' "$stage/$file"; done
  done
  printf '!macroend\n\n'
  printf '!macro RemoveProgramFiles\n'
  printf '%s\n' "$files" | while IFS= read -r file; do
    printf '  Delete "$INSTDIR\\%s"\n' "$(windows "$file")"
  done
  printf '%s\n' "$folders" | LC_ALL=C sort -r | while IFS= read -r folder; do
    [ -z "$folder" ] || printf '  RMDir "$INSTDIR\\%s"\n' "$(windows "$folder")"
  done
  printf '!macroend\n'
} | write_if_changed "$package/program_files.nsh"

(cd "$stage" && printf '%s\n' "$files" | tr '\n' '\0' | xargs -0 sha256sum) |
  write_if_changed "$package/contents.txt"
