#!/usr/bin/env bash
# One end-to-end scenario: the real program on a generated folder under an X server of its own, driven by real
# clicks and keys, away from the real home. Usage: e2e.sh <scenario> <built Tarvolin> <e2e_folder> <screenshot folder>
set -euo pipefail
scenario=$1 built=$2 maker=$3 shots=$4
Fail() { echo "FAIL [$scenario]: $*" >&2; [ -z "${DISPLAY:-}" ] || import -window root "$shots/e2e-failed-$scenario.png" || true; exit 1; }

if [ -z "${E2E_WORK:-}" ]; then  # outside the X server: the folder, then the scenario under Xvfb
  for t in xvfb-run xauth Xvfb xdotool import convert; do command -v "$t" >/dev/null || Fail "$t is missing: run scripts/setup.sh"; done
  work=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-e2e.XXXXXX") xvfb=""
  CleanUp() {  # ending the scenario lets xvfb-run end its server; else xvfb-run is ended
    if [ -n "$xvfb" ] && kill -0 "$xvfb" 2>/dev/null; then
      [ ! -f "$work/inner.pid" ] || kill "$(cat "$work/inner.pid")" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$xvfb" 2>/dev/null || break; sleep 0.1; done
      kill "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
  }
  trap CleanUp EXIT
  mkdir -p "$work/home/.config" "$work/runtime" "$shots" && chmod 700 "$work/runtime"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" TZ=UTC LANG=C.UTF-8
  unset LC_ALL LANGUAGE XDG_CACHE_HOME XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  "$maker" "$work" >/dev/null
  cp "$built" "$work/Duke Nukem 3D/Tarvolin"
  rc=75 end=$(($(date +%s%N) + 90 * 1000000000))
  for _ in 1 2 3; do  # an X server that could not be reached (75) gets another try
    [ "$rc" -eq 75 ] || break
    # Without -noreset the server resets when its last client leaves and refuses the next start.
    E2E_WORK=$work xvfb-run -a -s '-screen 0 1024x768x24 -noreset' bash "$0" "$@" &
    xvfb=$!
    while kill -0 "$xvfb" 2>/dev/null && (($(date +%s%N) < end)); do sleep 0.1; done
    kill -0 "$xvfb" 2>/dev/null && Fail "still running after 90 s"
    rc=0 && wait "$xvfb" || rc=$? && xvfb=""
  done
  exit "$rc"
fi

# Inside the X server.
work=$E2E_WORK program="$E2E_WORK/Duke Nukem 3D/"
exe="${program}Tarvolin" ini="${program}Tarvolin.ini" log="$E2E_WORK/game.log"
source "$(dirname "$0")/../../scripts/start-under-x.sh"
echo $$ >"$work/inner.pid"
EndPrograms() { for pid in $(jobs -pr); do kill "$pid" 2>/dev/null || true; done; rm -f "$work/inner.pid"; }  # ours only
trap EndPrograms EXIT
xdotool getdisplaygeometry >/dev/null 2>&1 || exit 75

# Client coordinates in the main window (532 x 347): top bar 29 high, bottom bar 35, columns from x 0, 197, 334;
# Play at x 4, y 139 of the middle column, 125 x 26; the saved-game box at x 1, y 260 of the left one.
readonly MENU1=(20 14) MENU2=(352 14) PLAY_USER_ADDON=(104 329) QUIT=(268 329) PLAY_USER_MAP=(432 329)
readonly PLAY=(263 181) PLAY_BODY=(210 181) SAVED_GAMES=(87 299) AWAY=(100 200)
Press() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }
PressTcRow() { Press "$main" 60 $((35 + 13 * $1)); }                # rows 13 high
PressMapRow() { Press "$main" 394 $((37 + 16 * $1)) "${2:-1}"; }    # rows 16 high
Keys() { xdotool key --delay 30 "$@"; }
WaitUntil() {  # runs the command every 50 ms until it succeeds, for at most $1 s
  local end=$(($(date +%s%N) + $1 * 1000000000)) && shift
  until "$@"; do (($(date +%s%N) < end)) || return 1; sleep 0.05; done
}
Visible() { found=$(xdotool search --onlyvisible "$@" 2>/dev/null | grep -vx "${main:-}" | head -n1) && [ -n "$found" ]; }
FindWindow() { WaitUntil 20 Visible --name "$1" || Fail "no window named '$1'"; }  # sets $found
NoWindow() { ! Visible --name "$1"; }
FindPopup() { WaitUntil 20 Visible --class '^Tarvolin$' || Fail "no pop-up window"; }  # a menu, a list
HasFocus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
Start() {  # from another folder: its program folder is its own; the version shows after the first pass
  StartUntilShown "$work" 20 '^Tarvolin - v[0-9]' "$exe" || Fail "the main window did not come up"
  pid=$STARTED_PID main=$STARTED_WINDOW
}
Shot() { eval "$(xdotool getwindowgeometry --shell "$main")" && import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
Pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }
Near() { for i in 0 2 4; do (((16#${1:i:2} - 16#${2:i:2}) ** 2 <= 16)) || return 1; done; }  # at most 4 apart
ExpectBar() {  # the top bar's gradient, once the window has been painted again
  BarShows() { Shot "$work/bar.png" && Near "$(Pixel "$work/bar.png" 2 2)" "$1" && Near "$(Pixel "$work/bar.png" 529 2)" "$2"; }
  WaitUntil 5 BarShows "$1" "$2" || Fail "the top bar does not run from $1 to $2"
}
Setting() { sed -n "s/^$1=\(.*\)\r$/\1/p" "$ini"; }
# The game got these parameters ("{pf}": the program folder, kept whole) in it, and CommandLine remembers them.
ExpectPlayed() {
  WaitUntil 10 test -f "$log" || Fail "the game was not started"
  local words expected && read -r -a words <<<"$1" || true
  expected=$( (cd "$program" && pwd -P) && [ ${#words[@]} -eq 0 ] || printf '%s\n' "${words[@]//\{pf\}/$program}")
  [ "$(cat "$log")" = "$expected" ] || Fail "the game received:"$'\n'"$(cat "$log")"$'\n'"expected:"$'\n'"$expected"
  [ "$(Setting CommandLine)" = "Duke3dw.exe ${1//\{pf\}/$program}" ] || Fail "CommandLine is '$(Setting CommandLine)'"
}

Start
case $scenario in
  user_map)  # Bravo.map, with Bravo.con beside it
    PressMapRow 1 && Press "$main" "${PLAY_USER_MAP[@]}"; ExpectPlayed "-j{pf}Maps  -xBravo.con -map Bravo.map /s3" ;;
  tc)  # Bar, the zip TC: its script and start map are named inside it
    PressTcRow 0 && Press "$main" "${PLAY_USER_ADDON[@]}"; ExpectPlayed "-j{pf}Games -xBar.con -gBar.zip -map bar.map" ;;
  title)  # on the press itself
    xdotool mousemove --window "$main" "${PLAY[@]}" mousedown 1; ExpectPlayed "" && xdotool mouseup 1 ;;
  level)  # the sixth entry, "Play Level"; in the list the first row and sixteen down: E2L5, past a separator
    Press "$main" "${MENU2[@]}" && FindPopup && Keys Down Down Down Down Down Down Return
    FindWindow '^Select level$'
    WaitUntil 10 HasFocus "$found" || Fail "the level window did not get the keyboard focus"
    Press "$found" 40 60 && Keys Home Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down
    Press "$found" 71 248; ExpectPlayed " -v2 -l05 /s3"  # " &Select"
    WaitUntil 10 NoWindow '^Select level$' || Fail "the level window stayed open" ;;
  saved_game)  # the second of the list's two entries: "Red Light ***", slot 1
    Press "$main" "${SAVED_GAMES[@]}" && FindPopup
    eval "$(xdotool getwindowgeometry --shell "$found")" && Press "$found" $((WIDTH / 2)) $((HEIGHT * 3 / 4))
    WaitUntil 10 eval '! Visible --class "^Tarvolin$"' || Fail "the saved-game list stayed open"
    Press "$main" "${PLAY[@]}" && ExpectPlayed " /1" ;;
  opinion)  # Echo.map, no opinion yet: selected, the right button, "Played and was Good" (code 1)
    Hour() { date -u -r "${program}Maps/Echo.map" +%H:%M:%S; }
    [ "$(Hour)" = 12:30:00 ] || Fail "Echo.map starts at $(Hour)"
    PressMapRow 4 && PressMapRow 4 3 && FindWindow '^Select Option$'
    Press "$found" 142 $((25 * 2 + 12))  # the third row of 25
    WaitUntil 10 eval '[ "$(Hour)" = 01:00:00 ]' || Fail "Echo.map was changed at $(Hour), expected 01:00:00"
    WaitUntil 10 NoWindow '^Select Option$' || Fail "the opinion window stayed open" ;;
  skin)  # "Black" as designed; "GUI Skin Color", the seventh entry, then "Green", remembered
    ExpectBar 808080 000000
    Press "$main" "${MENU1[@]}" && FindPopup && Keys Down Down Down Down Down Down Down Right Down Down Down Return
    WaitUntil 10 eval '[ "$(Setting SkinColor)" = Green ]' || Fail "SkinColor is '$(Setting SkinColor)', expected Green"
    ExpectBar 00C000 005000 && Press "$main" "${QUIT[@]}"
    WaitUntil 10 eval '[ -z "$(jobs -pr)" ]' || Fail "Quit did not end the program"
    Start && ExpectBar 00C000 005000 ;;
  second_start)  # the shot once the pointer is off the Play button, which it lights
    first=$pid && xdotool mousemove --window "$main" "${AWAY[@]}"
    Unlit() { Shot "$shots/e2e-main.png" && [ "$(Pixel "$shots/e2e-main.png" "${PLAY_BODY[@]}")" = 000000 ]; }
    WaitUntil 10 Unlit || Fail "the Play button stays lit"
    (cd "$work" && exec "$exe") & second=$!
    WaitUntil 5 eval '! jobs -pr | grep -qx "$second"' || Fail "the second start still runs"
    rc=0 && wait "$second" || rc=$?
    [ "$rc" -eq 0 ] || Fail "the second start ended with exit code $rc"
    [ "$(xdotool search --onlyvisible --name '^Tarvolin' | wc -l)" -eq 1 ] || Fail "the second start showed a window"
    jobs -pr | grep -qx "$first" || Fail "the first copy ended" ;;
  *) Fail "no scenario '$scenario'" ;;
esac
echo "PASS [$scenario]"
