#!/usr/bin/env bash
# Not a test: the list as the program shows it again after "taskkill /f"
# ended it during a run (docs/screenshots/job-list-after-forced-end.png),
# with the fake encoder stuck on the second file. Wine sets %LOCALAPPDATA%
# itself, so the list goes into the prefix's profile, and is removed there
# at the end. Run from the tree's root after tools/build.sh win32.
# Usage: tests/app/job_list_screenshot.sh OUTPUT.png
set -uo pipefail
output=$(realpath -m "$1")
source tools/env.sh
source tools/display.sh
start_wine_display
trap stop_wine_display EXIT
root=$(mktemp -d /tmp/killshot.XXXX)
bin=build/win32/bin
mkdir -p "$root/app/language" "$root/system" "$root/temp" "$root/in" "$root/out"
cp $bin/language/en.ini "$root/app/language/"; cp $bin/splash-en.bmp "$root/app/"
cp build/win32/tests/main_window/fake/libm9s.exe "$root/system/"
w() { printf 'Z:%s' "${1//\//\\}"; }
printf 'ok\n' >"$root/in/holiday.avi"; printf 'stuck\n' >"$root/in/birthday party.mp4"; printf 'ok\n' >"$root/in/concert.mkv"
printf 'ok\n' >"$root/in/视频 клип.wmv"
{ printf 'Vexmoor job list 1\n'
  for f in holiday.avi "birthday party.mp4" "视频 клип.wmv" concert.mkv; do p=$(w "$root/in/$f"); printf 'waiting\t0\t\t%s\n' "${p//\\/\\\\}"; done
  printf 'end\t4\n'; } >"$root/script.txt"
session=$(w "$PWD/build/win32/tests/app/app_job_list_session.exe")
kept="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Vexmoor"
rm -rf "$kept"
wine "$session" convert "$(w "$root")" >/dev/null 2>&1 &
for i in $(seq 1 300); do grep -q '^converting' "$kept/joblist.txt" 2>/dev/null && ls "$root/out/"*.partial >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
wine taskkill /f /im app_job_list_session.exe
sleep 2
echo "after the kill, out\\ holds:"; ls "$root/out"; cat "$kept/joblist.txt"
wine "$session" show "$(w "$root")" >/dev/null 2>&1 &
sleep 6
tools/screenshot.sh Vexmoor "$root/screen.png" 30 2
convert "$root/screen.png" -crop 426x470+316+153 +repage "$output"
echo "after the restart, out\\ holds:"; ls "$root/out"
wine taskkill /im app_job_list_session.exe >/dev/null 2>&1
sleep 2
rm -rf "$root" "$kept"
