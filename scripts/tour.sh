#!/usr/bin/env bash
# A short guided tour of Tarvolin under a virtual X server, for machines with
# no display: it starts the program on a copy of the demo program folder
# (without its settings file), clicks through a user map, a TC, the game's
# setup program and a stock level, prints what the stand-in game received
# each time (one argument a line: the program folder's switch is one, spaces
# and all), and saves screenshots of the main window, the stand-in's window
# and the opinion window.
# Usage: scripts/tour.sh <demo folder> <screenshot folder>
# Every wait is bounded; the programs started here are ended by their ids.
set -uo pipefail

if [ -z "${TV_TOUR_INSIDE:-}" ]; then
  # --kill-after: should the tour itself hang, nothing is left behind.
  TV_TOUR_INSIDE=1 exec timeout --kill-after=10 300 \
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' bash "$0" "$@"
fi

source "$(dirname "$0")/start-under-x.sh"
demo=$(cd "$1" && pwd)
shots=$2
mkdir -p "$shots"
shots=$(cd "$shots" && pwd)
work=$(mktemp -d)
# A space in the path, as players have it.
program="$work/Duke Nukem 3D"
log="$program/standin.log"
pid=""

# The program's own files stay out of the user's home and runtime folders.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
# The stand-in game closes its window by itself.
export STANDIN_CLOSE_AFTER=3

# Ends Tarvolin, then any stand-in still open: their ids are in the log, and
# only a process running the demo copy's stand-in is ended.
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  if [ -f "$log" ]; then
    for p in $(sed -n 's/^pid=//p' "$log"); do
      case $(readlink "/proc/$p/exe" 2>/dev/null) in "$program"/*) kill "$p" 2>/dev/null ;; esac
    done
  fi
  rm -rf "$work"
}
trap cleanup EXIT

say() { printf '\n== %s\n' "$*"; }
records() {
  local n
  n=$(grep -c '^program=' "$log" 2>/dev/null)
  echo "${n:-0}"
}

# Waits up to ten seconds for a record after the first $1 records and prints it.
show_record() {
  local before=$1
  for _ in $(seq 100); do
    if [ "$(records)" -gt "$before" ]; then
      awk -v n="$before" '/^program=/{k++} k>n && NF {sub("=", ": "); print "   " $0}' "$log"
      return 0
    fi
    sleep 0.1
  done
  echo "   (the stand-in game received nothing within ten seconds)"
  return 1
}

# Screenshot of one window by its id, cropped from the screen.
shoot() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h "+" x "+" y}')
  if [ -n "$geometry" ] && /usr/bin/import -window root -crop "$geometry" +repage "$shots/$2" 2>/dev/null; then
    echo "   screenshot: $shots/$2"
  else
    echo "   (no screenshot $2)"
  fi
}

find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1; }
click() { xdotool mousemove --window "$win" "$1" "$2" click "${3:-1}"; sleep 0.4; }
menu() {  # opens a menu at (x, y) and picks its entry number $3 by the keyboard
  click "$1" "$2"
  sleep 0.3
  for _ in $(seq "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}

cp -a --sparse=always "$demo" "$program"
# The player's settings would move the rows the tour clicks on.
rm -f "$log" "$program/Tarvolin.ini"
say "Starting Tarvolin on a copy of $demo"
if ! StartUntilShown "$program" 20 '^Tarvolin' ./Tarvolin; then
  pid=$STARTED_PID
  echo "   Tarvolin showed no window; giving up."
  exit 1
fi
pid=$STARTED_PID win=$STARTED_WINDOW
# The first pass has run when the title names the game.
for _ in $(seq 100); do
  case $(xdotool getwindowname "$win" 2>/dev/null) in *"|"*) break ;; esac
  sleep 0.1
done
echo "   window title: $(xdotool getwindowname "$win")"
xdotool mousemove 0 0  # off the Play button, which lights up under the pointer
sleep 0.5
shoot "$win" tour-main.png

# Client coordinates of the main window: the map list starts at x 334, y 29
# with rows 16 high; the TC list at x 0, y 29 with rows 13 high; the bottom
# bar's buttons sit at y 329, the TC button at x 24, Quit at 220, the map button at 352.
say "A user map: select Towers.map (it has a script, group and definition file beside it), press \" Play User Map\""
n=$(records)
click 400 $((29 + 11 * 16 + 8))
click 432 329
echo "   (one argument a line: the program folder's switch arrives as one, spaces and all)"
if show_record "$n"; then
  standin=$(find_window '^Stand-in for' 5)
  [ -n "$standin" ] && shoot "$standin" tour-standin.png
fi

say "A total conversion: select Alien in the TC list, press \" Play User Addon \""
n=$(records)
click 60 $((29 + 6))
click 104 329
show_record "$n"

say "The game's setup program: \"Options 1\" -> \"Duke Game Setup\""
n=$(records)
menu 20 14 4
show_record "$n"

say "A stock level: \"Options 2\" -> \"Play Level\", select E1L1, press \" &Select\""
n=$(records)
menu 352 14 6
levels=$(find_window '^Select level$' 5)
if [ -n "$levels" ]; then
  xdotool mousemove --window "$levels" 40 60 click 1
  xdotool key Home
  sleep 0.3
  xdotool mousemove --window "$levels" 71 248 click 1  # Select in the bottom bar
  show_record "$n"
else
  echo "   (the level window did not open)"
fi

say "The opinion window: right click on a map"
sleep 0.5
click 400 $((29 + 8)) 3
opinions=$(find_window '^Select Option$' 5)
if [ -n "$opinions" ]; then
  sleep 0.5
  shoot "$opinions" tour-opinion.png
  # The window has the keyboard focus; Escape closes it like its frame would.
  xdotool key Escape
  sleep 0.5
else
  echo "   (the opinion window did not open)"
fi

say "Quit"
click 268 329
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && echo "   Tarvolin did not end by itself; ending it." || echo "   Tarvolin ended."
echo
echo "Screenshots are in $shots"
