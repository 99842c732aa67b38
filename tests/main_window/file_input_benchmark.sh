#!/usr/bin/env bash
# Runs the batch-add, drop and folder-chooser benchmark under Wine on a
# display of its own (Xvfb unless DISPLAY is set). The folder trees are made
# once in the build tree and kept for later runs.
# Usage: file_input_benchmark.sh <cross build folder> [rounds]
set -euo pipefail
build=$(cd "$1" && pwd) rounds=${2:-3}
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/../../tools/env.sh"
source "$here/../../tools/display.sh"
work="$build/tests/main_window/file_input_benchmark"
mkdir -p "$work"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

start_wine_display
trap stop_wine_display EXIT
wine "$build/tests/main_window/main_window_file_input_bench.exe" "$(windows_path "$work")" "$rounds"
