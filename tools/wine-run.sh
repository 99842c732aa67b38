#!/usr/bin/env bash
# Runs a Windows program of the build under Wine with the project's prefix.
# CTest uses it as the emulator of the cross build.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
exec wine "$@"
