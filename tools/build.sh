#!/usr/bin/env bash
# Configures and builds one or both trees: native (portable code, tests,
# tools) and win32 (the program, the encoder and the Windows tests).
# Usage: tools/build.sh [native] [win32]   (both when none is named)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

jobs="$(nproc)"
trees=("$@")
[[ ${#trees[@]} -eq 0 ]] && trees=(native win32)

for tree in "${trees[@]}"; do
  dir="$VEXMOOR_BUILD/$tree"
  printf '\n==> Building the %s tree in %s\n' "$tree" "$dir"
  case "$tree" in
    native)
      [[ -f "$dir/CMakeCache.txt" ]] ||
        cmake -S "$VEXMOOR_ROOT" -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
      ;;
    win32)
      [[ -f "$dir/CMakeCache.txt" ]] ||
        cmake -S "$VEXMOOR_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$VEXMOOR_ROOT/cmake/mingw-i686.cmake" >/dev/null
      ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
  cmake --build "$dir" -j "$jobs"
done
