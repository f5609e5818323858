#!/usr/bin/env bash
# Sets up this machine, builds, makes the demo program folder (once; it is
# kept), puts the program into it and starts Tarvolin there. Without a
# display it runs the program briefly under a virtual X server instead and
# saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
demo=${TV_DEMO_DIR:-$root/demo}

if [ ! -d "$demo" ]; then
  mkdir -p "$demo/Maps" "$demo/Maps1" "$demo/Games"
  truncate -s 44000000 "$demo/Duke3d.grp"
  for m in E1L1 Hollywood Spaceport Lunar; do : > "$demo/Maps/$m.map"; done
  : > "$demo/Maps1/Bonus.map"
fi
cp "$root/build/Tarvolin" "$demo/Tarvolin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$demo/Tarvolin"
fi

echo "No display here: starting Tarvolin under a virtual X server for a moment."
shots="$root/build/screenshots"
mkdir -p "$shots"
runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  "$1" & pid=$!
  for _ in $(seq 50); do
    win=$(xdotool search --onlyvisible --name "^Tarvolin" 2>/dev/null | head -n1) && [ -n "$win" ] && break
    sleep 0.2
  done
  sleep 1
  import -window root "$2/demo-main.png" || true
  kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$demo/Tarvolin" "$shots"
rm -rf "$runtime"
echo "Screenshot of the main window: $shots/demo-main.png"
