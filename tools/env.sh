# Shared settings of the project's scripts; sourced, never run.
VEXMOOR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VEXMOOR_BUILD="${VEXMOOR_BUILD:-$VEXMOOR_ROOT/build}"
VEXMOOR_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/vexmoor"

# The build of the ffmpeg.exe that libm9s.exe carries (ffmpeg/build.sh):
# its folder is named after the files of ffmpeg/, so that a change to the
# build script or the configuration builds it again.
VEXMOOR_FFMPEG_BUILD="$VEXMOOR_CACHE/ffmpeg-$(cd "$VEXMOOR_ROOT/ffmpeg" && sha256sum -- * | sha256sum | cut -c1-16)"
VEXMOOR_FFMPEG="$VEXMOOR_FFMPEG_BUILD/ffmpeg.exe"

export WINEPREFIX="$VEXMOOR_BUILD/wineprefix"
export WINEARCH=win32
# Wine's own messages stay silent; a test that wants Wine's checks (its heap
# checks, for one) names them in VEXMOOR_WINEDEBUG.
export WINEDEBUG="${VEXMOOR_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
