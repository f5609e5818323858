#!/usr/bin/env bash
# Runs one end-to-end scenario: makes a program folder with e2e_folder, puts
# the built program into it and plays the scenario (scenarios.sh) against it
# under a virtual X server of its own. Nothing reaches the real home folder.
# Usage: run.sh <scenario> <built Tarvolin> <e2e_folder> <screenshot folder>
set -euo pipefail
scenario=$1 built=$2 maker=$3 shots=$4
here=$(cd "$(dirname "$0")" && pwd)
readonly LIMIT_S=90  # for all attempts; the scenario's own waits end it well before

for tool in xvfb-run xauth Xvfb xdotool /usr/bin/import /usr/bin/convert; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing: run scripts/setup.sh" >&2
    exit 1
  }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-e2e.XXXXXX")
xvfb=""
CleanUp() {
  if [ -n "$xvfb" ] && kill -0 "$xvfb" 2>/dev/null; then
    # Ending the scenario lets xvfb-run end its X server; only if that does
    # not happen is xvfb-run itself ended.
    [ ! -f "$work/inner.pid" ] || kill "$(cat "$work/inner.pid")" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$xvfb" 2>/dev/null || break; sleep 0.1; done
    kill "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap CleanUp EXIT

mkdir -p "$work/home/.config" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export TZ=UTC LANG=C.UTF-8
unset LC_ALL LANGUAGE XDG_CACHE_HOME XDG_DATA_HOME XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$maker" "$work" >/dev/null
cp "$built" "$work/Duke Nukem 3D/Tarvolin"

# Runs the scenario under a new X server, until the deadline at the latest.
Attempt() {
  # Without -noreset the server resets when its last client leaves, and a
  # program connecting in that moment (the next start) is refused.
  xvfb-run -a -s '-screen 0 1024x768x24 -noreset' bash "$here/scenarios.sh" "$scenario" "$work" "$shots" &
  xvfb=$!
  while kill -0 "$xvfb" 2>/dev/null && (($(date +%s%N) < end)); do sleep 0.1; done
  if kill -0 "$xvfb" 2>/dev/null; then
    echo "FAIL [$scenario]: still running after $LIMIT_S s" >&2
    exit 1
  fi
  rc=0
  wait "$xvfb" || rc=$?
  xvfb=""
}

began=$(date +%s%N)
end=$((began + LIMIT_S * 1000000000))
for _ in 1 2 3; do
  Attempt
  [ "$rc" -eq 75 ] || break
  echo "[$scenario] the X server could not be reached; again" >&2
done
echo "[$scenario] took $((($(date +%s%N) - began) / 1000000)) ms"
exit "$rc"
