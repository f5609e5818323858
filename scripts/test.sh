#!/usr/bin/env bash
# Sets up the machine, builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
cd "${TV_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j2
