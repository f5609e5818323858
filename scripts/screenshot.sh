#!/usr/bin/env bash
# Starts the built program on a small program folder under a virtual X server
# and saves PNGs of the main window, of each of its two menus opened, of the
# skill box's list opened and of the opinion window, in <build>/screenshots/.
# Builds nothing.
# Usage: scripts/screenshot.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[ -x "$build/Tarvolin" ] || { echo "no $build/Tarvolin: build it first" >&2; exit 1; }
out="$build/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

program="$work/program"
mkdir -p "$program/Maps" "$program/Games" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/Tarvolin" "$program/"
# A full game's data (sparse), an executable and a few maps whose file hour
# carries an opinion, so the lists have rows in several colours.
truncate -s 44000000 "$program/Duke3d.grp"
printf 'stand-in' >"$program/Duke3dw.exe"
hour=1
for name in Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel India; do
  head -c $((hour * 700)) /dev/zero >"$program/Maps/$name.map"
  touch -d "$(date +%Y-%m-%d) 0$hour:00:00" "$program/Maps/$name.map"
  hour=$((hour + 1))
done

cat >"$work/shoot.sh" <<'INNER'
set -euo pipefail
program=$1 out=$2
source "$3/scripts/start-under-x.sh"
pid=""
trap '[ -z "$pid" ] || kill $pid 2>/dev/null || true' EXIT
# The title names the game once the first pass has filled the lists.
StartUntilShown "$program" 20 '^Tarvolin - v[0-9]' "$program/Tarvolin"
pid=$STARTED_PID window=$STARTED_WINDOW
sleep 1
geometry() {
  xdotool getwindowgeometry --shell "$1" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}
read -r x y w h < <(geometry "$window")
shot() { /usr/bin/import -window root -crop "$1" +repage "$out/$2"; }
xdotool mousemove 0 0  # the pointer starts on the Play button, which would show it lit
sleep 0.3
shot "${w}x${h}+${x}+${y}" main.png
# The menu buttons sit in the top bar at x 8 and x 340; menus open at the pointer.
for menu in "1 20" "2 352"; do
  set -- $menu
  xdotool mousemove --window "$window" "$2" 14 click 1
  sleep 0.5
  xdotool key Down  # the first entry highlighted
  sleep 0.5
  shot "$((w + 300))x$((h + 120))+$((x - 150))+$y" "menu$1.png"
  xdotool key Escape
  sleep 0.5
done
# The skill box's list opened (the box sits at x 4, y 260 of the middle
# column, 129 x 21).
xdotool mousemove --window "$window" 265 299 click 1
sleep 0.5
shot "$((w + 200))x$((h + 120))+$((x - 100))+$y" dropdown.png
xdotool key Escape
sleep 0.5
# The opinion window: a map chosen, then a right click on it (the map list
# starts at x 334, y 29; its rows are 16 high).
xdotool mousemove --window "$window" 400 69 click 1
sleep 0.3
xdotool click 3
opinions=$(timeout 20 xdotool search --sync --onlyvisible --name '^Select Option' | head -1)
sleep 0.5
read -r rx ry rw rh < <(geometry "$opinions")
shot "${rw}x${rh}+${rx}+${ry}" opinions.png
# Sent to the window with the focus: a key sent to the window itself would
# have its release sent to a window the press has closed, an X error.
xdotool windowfocus "$opinions"
xdotool key Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Select Option' >/dev/null 2>&1 || break
  sleep 0.1
done
kill $pid
wait $pid 2>/dev/null || true
trap - EXIT
INNER

cd "$program"
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
  xvfb-run -a -s '-screen 0 1024x768x24 -noreset' bash "$work/shoot.sh" "$program" "$out" "$root"
ls "$out"/main.png "$out"/menu1.png "$out"/menu2.png "$out"/dropdown.png "$out"/opinions.png
