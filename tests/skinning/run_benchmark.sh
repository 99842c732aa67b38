#!/usr/bin/env bash
# Runs the skin engine's benchmark under Wine on a display of its own and
# prints its figures. Run after tools/build.sh.
# Usage: tests/skinning/run_benchmark.sh [BUILD_FOLDER]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
build="${1:-$VEXMOOR_BUILD}"
start_wine_display
trap stop_wine_display EXIT
echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg)"
wine "$build/win32/tests/skinning/skin_benchmark.exe" "Z:${build//\//\\}\\native\\skins" 2>&1
