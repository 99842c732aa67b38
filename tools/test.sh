#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the
# native tests under the sanitizers and the Windows tests under Wine, in
# one CTest run whose summary is the last thing printed.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/env.sh"
source "$here/display.sh"

bash "$here/setup.sh"
bash "$here/build.sh" native win32

# One CTest run over both trees, so there is one summary.
printf 'subdirs("native" "win32")\n' > "$VEXMOOR_BUILD/CTestTestfile.cmake"

start_wine_display
trap stop_wine_display EXIT
printf '\n==> Running the tests\n'
cd "$VEXMOOR_BUILD"
set +e
ctest --output-on-failure --timeout 900 -j 2 "$@" 2>&1 | tee "$VEXMOOR_BUILD/last-test.log"
status=${PIPESTATUS[0]}
set -e
stop_wine_display
trap - EXIT
exit $status
