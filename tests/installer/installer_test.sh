#!/usr/bin/env bash
# The installer and the portable archive under Wine, in a Wine prefix and on
# a display of the test's own, so that neither the project's prefix nor the
# other tests' windows are touched:
#  1. a silent installation on a Simplified Chinese system into a folder
#     with blanks in its name: the files, the encoder in the system folder,
#     config.ini, the Start-menu entries and the uninstaller's registry
#     entries; the program starts in Chinese;
#  2. a silent upgrade in English over an older config.ini, which keeps its
#     skin and output folder, and mends a damaged program file and a missing
#     encoder; the program starts in English, and it and the updater show
#     the version; an upgrade over the program's own Unicode config.ini
#     keeps it Unicode with an output folder of any name;
#  3. the installed encoder converts a clip into the output folder, which
#     lies inside the program's folder, and unpacks its FFmpeg;
#  4. the installer's pages, clicked through: the language page offers
#     config.ini's language, the choice is written, the finish page starts
#     the program; screenshots of the language and finish pages are saved;
#  5. a silent uninstallation leaves nothing of ours but the converted clip;
#  6. the portable archive holds the program's folder, and the program
#     started from it installs the encoder.
# Usage: installer_test.sh SETUP ARCHIVE PACKAGE BIN LANGUAGES PROBE RUNNER VERSION SCRATCH SHOTS
#   PACKAGE: the folder whose Vexmoor/ the installer and the archive hold;
#   BIN: the build's program folder; LANGUAGES: the language files' sources;
#   PROBE, RUNNER: window_probe.exe and run_command_line.exe; SHOTS: where
#   the screenshots go.
set -uo pipefail
setup=$1 archive=$2 package=$3 bin=$4 languages=$5 probe=$6 runner=$7 version=$8 scratch=$9
shots=${10}
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)
source "$tools/env.sh"
source "$tools/display.sh"
source "$tools/wine-prefix.sh"

export WINEPREFIX=$scratch/prefix
# No menu entries on the build machine's desktop for the Start-menu entries.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

failures=0
fail() {
  printf 'FAIL: %s\n' "$*"
  failures=$((failures + 1))
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Runs one command line exactly as written (Wine would quote the words it
# is given, and /D= must stand unquoted); sets $status.
run_line() {
  VEXMOOR_COMMAND_LINE="$1" wine "$runner" </dev/null >"$scratch/output" 2>&1
  status=$?
}

probe() { wine "$probe" "$@" 2>/dev/null; }

# ini_value FILE SECTION KEY: the value, read as the program's INI rules do
# for the sections and keys this test writes.
# The program writes config.ini in UTF-16LE with its byte-order mark; the
# installer, into a new one, in the system's code page (ASCII here).
ini_text() {
  if [[ $(head -c 2 "$1" | od -An -tx1 | tr -d ' ') == fffe ]]; then
    iconv -f UTF-16 -t UTF-8 "$1"
  else
    cat "$1"
  fi
}

ini_value() {
  ini_text "$1" | awk -v section="$2" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { current = tolower(substr($0, 2, length($0) - 2)); next }
    current == tolower(section) && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(key) {
      print substr($0, index($0, "=") + 1); exit
    }'
}

# A text of the language files' sources (UTF-8), as the window shows it.
language_text() { ini_value "$languages/$1.ini" "$2" "$3"; }

drive=$WINEPREFIX/drive_c
folder='C:\Program Files\My Video Tools\Vexmoor'
installed="$drive/Program Files/My Video Tools/Vexmoor"
system=$drive/windows/system32
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vexmoor"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexmoor'
output_folder="$folder\\Converted\\"

check_program_files() {  # check_program_files WHEN
  local file
  while IFS= read -r file; do
    cmp -s "$package/Vexmoor/$file" "$installed/$file" || fail "$1: $file differs from the package's"
  done < <(cd "$package/Vexmoor" && find . -type f)
  [[ -f $installed/Uninstall.exe ]] || fail "$1: no Uninstall.exe"
  cmp -s "$bin/libm9s.exe" "$system/libm9s.exe" ||
    fail "$1: the system folder's libm9s.exe is not the build's"
  [[ ! -e $installed/libm9s.exe && ! -e $system/libm9s.exe.partial ]] ||
    fail "$1: a stray copy of the encoder"
}

registry_value() { sed -n "s/^    $1    REG_[A-Z_]*    //p" "$scratch/registry" | tr -d '\r'; }

check_registry() {
  wine reg query "$key" >"$scratch/registry" 2>&1 || {
    fail "no uninstaller entry $key"
    return
  }
  local name expected
  while IFS='|' read -r name expected; do
    [[ $(registry_value "$name") == "$expected" ]] ||
      fail "registry $name is '$(registry_value "$name")', not '$expected'"
  done <<LIST
DisplayName|Vexmoor
DisplayVersion|$version
DisplayIcon|$folder\\vexmoor.exe,0
InstallLocation|$folder
UninstallString|"$folder\\Uninstall.exe"
QuietUninstallString|"$folder\\Uninstall.exe" /S
LIST
  [[ -n $(registry_value Publisher) ]] || fail "registry: no Publisher"
  # The size counts the program's folder and the encoder, in KiB.
  local bytes reported
  bytes=$(find "$package/Vexmoor" "$bin/libm9s.exe" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
  reported=$(($(registry_value EstimatedSize) * 1024))
  ((reported >= bytes && reported < bytes + 1024 * 1024)) ||
    fail "registry EstimatedSize $reported bytes for $bytes bytes installed"
}

check_shortcuts() {  # check_shortcuts HELP_NAME HELP_FILE UNINSTALL_NAME
  [[ -f $menu/Vexmoor.lnk ]] || fail "no Start-menu entry Vexmoor"
  [[ -f $menu/$1.lnk ]] || fail "no Start-menu entry $1"
  [[ -f $menu/$3.lnk ]] || fail "no Start-menu entry $3"
  strings -a -e l "$menu/$1.lnk" | grep -qF "$2" || fail "the entry $1 does not open $2"
}

# start_program EXE LANGUAGE [env...]: starts the program, finds its main
# window and checks a text of it in the language (en or gb), then closes it.
start_program() {
  local exe=$1 language=$2
  shift 2
  env "$@" wine "$exe" >/dev/null 2>&1 &
  local program=$!
  check_main_window "$language"
  wait_for_end "$program" "the program"
}

# wait_for_end PID WHAT: waits up to a minute for a process this script
# started; the wineserver's end at the exit stops one that hangs.
wait_for_end() {
  local _
  for _ in $(seq 600); do
    kill -0 "$1" 2>/dev/null || {
      wait "$1"
      return
    }
    sleep 0.1
  done
  fail "$2 did not end"
}

check_main_window() {  # check_main_window LANGUAGE
  if ! probe wait Vexmoor 60; then
    fail "the main window did not show"
    return
  fi
  local expected
  expected=$(language_text "$1" frmMain groupBoxSettings)
  probe controls Vexmoor >"$scratch/controls"
  awk -F'\t' -v text="$expected" '$4 == text { found = 1 } END { exit !found }' \
    "$scratch/controls" || fail "the main window does not show '$expected' ($1)"
  probe close Vexmoor
  probe gone Vexmoor 30 || fail "the main window did not close"
}

screenshot() { xwd -root -silent | convert xwd:- "$1"; }

# Prefix and display --------------------------------------------------------
rm -rf "$scratch"
mkdir -p "$scratch" "$shots"
unset DISPLAY
make_wine_prefix
start_wine_display
trap stop_wine_display EXIT
trap 'exit 143' TERM INT
(cd "$drive" && find . | LC_ALL=C sort) >"$scratch/before.txt"

# 1. Fresh silent installation on a Chinese system ----------------------------
LC_ALL=zh_CN.UTF-8 run_line "$(windows_path "$setup") /S /D=$folder"
[[ $status -eq 0 ]] || fail "silent installation: exit code $status"
check_program_files "installation"
[[ $(ini_value "$installed/config.ini" common language) == 1 ]] ||
  fail "a Chinese system did not choose Chinese: $(ini_text "$installed/config.ini")"
check_registry
check_shortcuts 'Vexmoor 帮助' Vexmoor_gb.chm '卸载 Vexmoor'
[[ $(probe version "$(windows_path "$installed/vexmoor.exe")") == "$version" ]] ||
  fail "vexmoor.exe does not carry the version $version"
start_program "$installed/vexmoor.exe" gb LC_ALL=zh_CN.UTF-8

# 2. Silent upgrade in English over an older config.ini -----------------------
printf '[common]\r\nlanguage=1\r\n[skin]\r\nskin=3\r\n[setting]\r\noutputFolder=%s\r\n' \
  "$output_folder" >"$installed/config.ini"
: >"$installed/skins/Silver.ssk"
rm -f "$system/libm9s.exe"
run_line "$(windows_path "$setup") /S /LANGUAGE=en /D=$folder"
[[ $status -eq 0 ]] || fail "silent upgrade: exit code $status"
check_program_files "upgrade"
while IFS='|' read -r section name expected; do
  [[ $(ini_value "$installed/config.ini" "$section" "$name") == "$expected" ]] ||
    fail "upgrade: [$section] $name is not '$expected': $(ini_text "$installed/config.ini")"
done <<LIST
common|language|2
skin|skin|3
setting|outputFolder|$output_folder
LIST
check_shortcuts 'Vexmoor Help' Vexmoor.chm 'Uninstall Vexmoor'
[[ ! -e "$menu/Vexmoor 帮助.lnk" ]] || fail "upgrade: the Chinese help entry stayed"
start_program "$installed/vexmoor.exe" en

wine "$installed/update.EXE" >/dev/null 2>&1 &
updater=$!
if probe wait "Vexmoor Update" 60; then
  probe controls "Vexmoor Update" | grep -qF "This is Vexmoor $version." ||
    fail "the updater does not show the version $version"
  probe click "Vexmoor Update" 7  # No
else
  fail "the updater's notice did not show"
fi
wait_for_end "$updater" "the updater"

run_line "$(windows_path "$setup") /S /LANGUAGE=fr /D=$folder"
[[ $status -eq 2 ]] || fail "an unknown /LANGUAGE gave exit code $status, not 2"

# An upgrade over the program's own Unicode config.ini writes the language
# into it and keeps an output folder of any name.
unicode_folder='C:\Видео 视频\'
printf '[common]\r\nlanguage=1\r\n[skin]\r\nskin=3\r\n[setting]\r\noutputFolder=%s\r\n' \
  "$unicode_folder" | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$installed/config.ini"
run_line "$(windows_path "$setup") /S /LANGUAGE=en /D=$folder"
[[ $status -eq 0 ]] || fail "silent upgrade over a Unicode config.ini: exit code $status"
[[ $(ini_value "$installed/config.ini" common language) == 2 &&
   $(ini_value "$installed/config.ini" skin skin) == 3 &&
   $(ini_value "$installed/config.ini" setting outputFolder) == "$unicode_folder" &&
   $(head -c 2 "$installed/config.ini" | od -An -tx1 | tr -d ' ') == fffe ]] ||
  fail "the upgrade over a Unicode config.ini lost or spoilt it: $(ini_text "$installed/config.ini")"
printf '[common]\r\nlanguage=2\r\n[skin]\r\nskin=3\r\n[setting]\r\noutputFolder=%s\r\n' \
  "$output_folder" >"$installed/config.ini"

# 3. The installed encoder converts into the output folder --------------------
ffmpeg -v error -f lavfi -i testsrc=size=176x144:rate=15 -f lavfi -i sine -t 1 \
  -c:v mpeg4 -c:a pcm_s16le -y "$scratch/clip.avi"
mkdir -p "$installed/Converted"
run_line "C:\\windows\\system32\\libm9s -i $(windows_path "$scratch/clip.avi")  -f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1 -y ${output_folder}clip.3gp"
[[ $status -eq 0 && -s $installed/Converted/clip.3gp ]] ||
  fail "the installed encoder did not convert (exit code $status): $(tr '\r' '\n' <"$scratch/output" | tail -3)"
compgen -G "$drive/users/*/AppData/Local/libm9s/*/ffmpeg.exe" >/dev/null ||
  fail "the encoder unpacked no FFmpeg into %LOCALAPPDATA%\\libm9s"

# 4. The pages, clicked through ----------------------------------------------
# For the screenshots' Chinese, after the Chinese runs have had Wine put back
# its own font links.
link_wine_cjk_font
sed -i 's/^language=.*/language=1\r/' "$installed/config.ini"
wine "$setup" >/dev/null 2>&1 &
installer=$!
title="Vexmoor $version Setup"
if probe wait "$title" 60; then
  probe click "$title" 1  # welcome
  probe wait-control "$title" RichEdit20W 30 || fail "no licence page"
  probe click "$title" 1
  probe wait-control "$title" Edit 30 || fail "no folder page"
  probe controls "$title" | grep -qF "$(printf 'Edit\t0\t%s' "$folder")" ||
    fail "the folder page does not offer the installed folder $folder"
  probe click "$title" 1
  if probe wait-control "$title" English 30; then
    probe controls "$title" >"$scratch/controls"
    awk -F'\t' '$4 ~ /^简体中文/ && $3 == 1 { found = 1 } END { exit !found }' "$scratch/controls" ||
      fail "the language page does not offer config.ini's Chinese"
    screenshot "$shots/installer-language-page.png"
    probe click "$title" English
    probe click "$title" 1  # install
  else
    fail "no language page"
  fi
  if probe wait-control "$title" "&Start Vexmoor now" 120; then
    screenshot "$shots/installer-finish-page.png"
    probe click "$title" 1  # finish, with the program started
    check_main_window en
  else
    fail "no finish page"
  fi
  probe gone "$title" 30 || fail "the installer did not end"
else
  fail "the installer's window did not show"
fi
wait_for_end "$installer" "the installer"
[[ $(ini_value "$installed/config.ini" common language) == 2 ]] ||
  fail "the language page's choice of English was not written: $(ini_text "$installed/config.ini")"
[[ $(ini_value "$installed/config.ini" skin skin) == 3 ]] || fail "the pages lost the skin"

# 5. Silent uninstallation ---------------------------------------------------
run_line "\"$folder\\Uninstall.exe\" /S"
[[ $status -eq 0 ]] || fail "silent uninstallation: exit code $status"
# The uninstaller runs on from a copy in the temporary folder.
for _ in $(seq 300); do
  wine reg query "$key" >/dev/null 2>&1 || break
  sleep 0.2
done
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller entry stayed"
# The uninstaller's own copy goes at the next restart, as Windows removes
# what a running program cannot; it leaves the empty folder of that copy.
wineboot -r >/dev/null 2>&1
(cd "$drive" && find . | LC_ALL=C sort) >"$scratch/after.txt"
comm -23 "$scratch/before.txt" "$scratch/after.txt" >"$scratch/lost.txt"
comm -13 "$scratch/before.txt" "$scratch/after.txt" | grep -vx '\./users/[^/]*/Temp/~nsu[0-9]*\.tmp' \
  >"$scratch/left.txt"
printf '%s\n' "./Program Files/My Video Tools" "./Program Files/My Video Tools/Vexmoor" \
  "./Program Files/My Video Tools/Vexmoor/Converted" \
  "./Program Files/My Video Tools/Vexmoor/Converted/clip.3gp" >"$scratch/expected-left.txt"
cmp -s "$scratch/left.txt" "$scratch/expected-left.txt" ||
  fail "after the uninstallation, not just the converted clip is left:
$(diff "$scratch/expected-left.txt" "$scratch/left.txt")"
[[ ! -s $scratch/lost.txt ]] || fail "the uninstallation removed files it did not install:
$(cat "$scratch/lost.txt")"
wine regedit /E "$(windows_path "$scratch/registry.reg")" >/dev/null 2>&1
iconv -f UTF-16LE -t UTF-8 "$scratch/registry.reg" | grep -iE 'vexmoor|libm9s' >"$scratch/registry-left.txt" &&
  fail "the registry still names us:
$(head -5 "$scratch/registry-left.txt")"

# 6. The portable archive ----------------------------------------------------
unzip -q "$archive" -d "$scratch/portable"
diff -r "$package/Vexmoor" "$scratch/portable/Vexmoor" >"$scratch/portable.diff" ||
  fail "the archive does not hold the program's folder: $(head -5 "$scratch/portable.diff")"
start_program "$scratch/portable/Vexmoor/vexmoor.exe" en
cmp -s "$bin/libm9s.exe" "$system/libm9s.exe" ||
  fail "the program from the archive did not install the encoder from plug.exe"
[[ $(ini_value "$scratch/portable/Vexmoor/config.ini" setting outputFolder) == 'c:\' ]] ||
  fail "the program from the archive did not write its config.ini"

stop_wine_display
trap - EXIT
if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "The installer, the uninstaller and the portable archive passed."
