#!/usr/bin/env bash
# Runs the skin engine's benchmark under Wine on a display of its own and
# prints its figures. Run after tools/build.sh.
# Usage: tests/skinning/run_benchmark.sh [BUILD_FOLDER]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$here/tools/env.sh"
source "$here/tools/display.sh"
build="${1:-$VEXMOOR_BUILD}"
# Wine's calls to its server take several times longer when the program,
# the wineserver and the X server run on different processors of this
# virtual machine, and where the system puts them changes from run to run:
# all of them share one processor, so that the figures repeat.
taskset -cp 0 $$ >/dev/null
start_wine_display
trap stop_wine_display EXIT
echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg); all on processor 0"
wine "$build/win32/tests/skinning/skin_benchmark.exe" "Z:${build//\//\\}\\native\\skins" 2>&1
