#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=${TV_BUILD_TYPE:-RelWithDebInfo} -DTV_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j2
