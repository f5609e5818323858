#!/usr/bin/env bash
# Sets up this machine, builds, makes the demo program folder (once; it is
# kept), puts the program into it and starts Tarvolin there. Without a
# display it runs a short guided tour under a virtual X server instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
build=${TV_BUILD_DIR:-$root/build}
# A space in its path, as players have it: the stand-in shows that the game
# still gets the folder switch as one argument.
demo=${TV_DEMO_DIR:-$root/demo/Duke Nukem 3D}

"$build/tools/demo/make_demo" "$demo" "$build/tools/standin/standin"
cp "$build/Tarvolin" "$demo/Tarvolin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Tarvolin in $demo. The game's programs there are a stand-in that shows what it was given."
  exec "$demo/Tarvolin"
fi

echo "No display here: a short guided tour under a virtual X server instead."
exec bash "$root/scripts/tour.sh" "$demo" "$build/screenshots"
