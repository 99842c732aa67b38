#!/usr/bin/env bash
# Runs a Windows test program under Wine with a drive letter of its own,
# the first free one from Q: on, linked in the prefix's dosdevices to a new
# scratch folder (never to a real root of the machine), and removed after.
# The folder holds "looped" with two links back up, "up" to the root and
# "self" to itself, which Wine cannot make from the Windows side. The
# program finds the drive in VEXMOOR_TEST_DRIVE ("Q:") and the folder in
# VEXMOOR_TEST_DRIVE_FOLDER ("Z:\tmp\tmp.1a2b3c").
# Usage: with_scratch_drive.sh <program.exe> [arguments...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"

scratch=$(mktemp -d)
mkdir "$scratch/looped"
ln -s .. "$scratch/looped/up"
ln -s . "$scratch/looped/self"
drive=""
# ln refuses a link that exists, so claiming a letter cannot race.
for letter in q r s t u v w x y; do
  if ln -s "$scratch" "$WINEPREFIX/dosdevices/$letter:" 2>/dev/null; then
    drive=$letter
    break
  fi
done
cleanup() {
  [[ -n $drive ]] && rm -f "$WINEPREFIX/dosdevices/$drive:"
  rm -rf "$scratch"
}
trap cleanup EXIT
[[ -n $drive ]] || { echo "no free drive letter from Q: to Y:" >&2; exit 1; }

VEXMOOR_TEST_DRIVE="${drive^^}:" VEXMOOR_TEST_DRIVE_FOLDER="Z:${scratch//\//\\}" wine "$@"
