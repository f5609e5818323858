#!/usr/bin/env bash
# A user map played through Wine from a folder whose path holds spaces, with the MinGW stand-in as the game: each
# switch value must reach it whole. The prefix is made once (the slow part). Usage: wine.sh <e2e_folder> <standin> <dir>
set -euo pipefail
maker=$1 standin=$2 state=$3
Fail() { echo "FAIL: $*" >&2 && exit 1; }
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)  # the program's own order
[ -x "$wine" ] || Fail "no Wine: tried wine and wine64 on the PATH ($PATH), and /usr/lib/wine/wine64"
wineserver=$(ls "$(dirname "$wine")/wineserver" /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver 2>/dev/null | head -n1 || true)
# Wine refuses a prefix owned by someone else: one prefix per user.
export WINEPREFIX="$state/prefix-$(id -u)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-wine.XXXXXX")
trap '[ -z "$wineserver" ] || "$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT  # the server outlives its programs
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$state" && rm -rf "$WINEPREFIX"
  echo "Making the Wine prefix $WINEPREFIX once"
  timeout 100 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 ||
    { cat "$work/wineboot.log" >&2; rm -rf "$WINEPREFIX"; Fail "wineboot could not make the prefix"; }
fi
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export PATH="$(dirname "$wine"):$PATH"
program="$work/x y/Duke 3D/"
mkdir -p "$HOME" "$program"
"$maker" "$program" "$standin" "My map.map" || Fail "the launcher refused to play the map"
log="$program/Duke3dw.log"
for _ in $(seq 300); do [ -f "$log" ] && break; sleep 0.1; done
[ -f "$log" ] || Fail "the Windows stand-in wrote nothing within 30 seconds"
windows="Z:${program//\//\\}"
expected=$(printf '%s\n' "folder=${windows%\\}" "argument=-j${program}Maps" "argument=-xMy map.con" \
  "argument=-map" "argument=My map.map" "argument=/s3")
cat "$log"
[ "$(grep -v '^commandline=' "$log")" = "$expected" ] || Fail "expected:"$'\n'"$expected"
grep -qF "\"-j${program}Maps\" \"-xMy map.con\" -map \"My map.map\" /s3" "$log" ||
  Fail "Wine did not quote the values holding spaces on the command line"
echo "PASS"
