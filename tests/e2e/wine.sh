#!/usr/bin/env bash
# A user map played through Debian's Wine, from a program folder whose path
# holds spaces, with a real Windows program (the MinGW stand-in) as the game:
# each switch value must reach it whole, as one argument of its command line.
# Usage: wine.sh <e2e_wine_play> <standin_win.exe> <folder for the Wine prefix>
# The prefix is made once (the slow part) and kept for later runs.
set -euo pipefail
play=$1 standin=$2 state=$3

Fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The same order as the program's own: "wine" on the PATH, then "wine64",
# then where Debian puts it when only its 64-bit package is installed.
wine=""
for candidate in wine wine64 /usr/lib/wine/wine64; do
  if found=$(command -v "$candidate"); then
    [ -x "$found" ] && wine=$found && break
  fi
done
[ -n "$wine" ] || Fail "no Wine: tried wine and wine64 on the PATH ($PATH), and /usr/lib/wine/wine64"
wineserver=""
for candidate in "$(dirname "$wine")/wineserver" /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
  [ -x "$candidate" ] && wineserver=$candidate && break
done

# Wine refuses a prefix owned by someone else: one prefix per user.
export WINEPREFIX="$state/prefix-$(id -u)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-wine.XXXXXX")
cleanup() {
  # The Wine server of this prefix outlives its programs for a while.
  [ -n "$wineserver" ] && "$wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$state"
  rm -rf "$WINEPREFIX"
  echo "Making the Wine prefix $WINEPREFIX once"
  timeout 100 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 || {
    cat "$work/wineboot.log" >&2
    rm -rf "$WINEPREFIX"
    Fail "wineboot could not make the prefix"
  }
fi

# The program, its home and its settings stay inside the work folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
export PATH="$(dirname "$wine"):$PATH"
program="$work/x y/Duke 3D/"
mkdir -p "$program"
"$play" "$program" "$standin" "My map.map" || Fail "the launcher refused to play the map"

log="$program/Duke3dw.log"
for _ in $(seq 300); do
  [ -f "$log" ] && break
  sleep 0.1
done
[ -f "$log" ] || Fail "the Windows stand-in wrote nothing within 30 seconds"

windows="Z:${program//\//\\}"
windows=${windows%\\}
received=$(grep -v '^commandline=' "$log")
expected=$(printf '%s\n' "folder=$windows" "argument=-j${program}Maps" "argument=-xMy map.con" \
  "argument=-map" "argument=My map.map" "argument=/s3")
echo "The Windows program received:"
cat "$log"
[ "$received" = "$expected" ] || Fail "expected:"$'\n'"$expected"
# Wine quoted the values holding spaces on the Windows command line.
grep -qF "\"-j${program}Maps\" \"-xMy map.con\" -map \"My map.map\" /s3" "$log" ||
  Fail "the command line does not quote the values holding spaces"
echo "PASS"
