# The end-to-end scenarios, run by run.sh inside the virtual X server. Each
# starts the real program on the generated program folder, plays the user's
# part with real mouse clicks and keys at the main window's client
# coordinates, and checks what the stand-in game and the settings file got.
# Usage (from run.sh only): bash scenarios.sh <scenario> <work folder> <screenshot folder>
set -euo pipefail
scenario=$1 work=$2 shots=$3
source "$(dirname "$0")/../../scripts/start-under-x.sh"
echo $$ >"$work/inner.pid"
rm -f "$shots/e2e-failed-$scenario.png"
[ -z "${E2E_TRACE:-}" ] || {
  PS4='+ $(date +%T.%N) '
  set -x
}
# An X server that cannot be reached is no result: run.sh tries another.
xdotool getdisplaygeometry >/dev/null 2>&1 || exit 75

program="$work/Duke Nukem 3D/"
exe="${program}Tarvolin"
ini="${program}Tarvolin.ini"
log="$work/game.log"

# Client coordinates in the main window (532 x 347): the top bar is 29 high,
# the bottom bar 35; the columns start at x 0, 197 and 334.
readonly MENU1=(20 14) MENU2=(352 14)
readonly PLAY_USER_ADDON=(104 329) QUIT=(268 329) PLAY_USER_MAP=(432 329)
readonly PLAY=(263 181)        # the Play button: x 4, y 139 of the middle column, 125 x 26
readonly PLAY_BODY=(210 181)   # left of its caption
readonly SAVED_GAMES=(87 299)  # the saved-game box: x 1, y 260 of the left column, 172 x 21
readonly AWAY=(100 200)        # a place of the TC list below its rows
PressTcRow() { Press "$main" 60 $((29 + 13 * $1 + 6)); }              # TC list rows are 13 high
PressMapRow() { Press "$main" 394 $((29 + 16 * $1 + 8)) "${2:-1}"; }  # map list rows are 16 high
PressOpinionRow() { Press "$1" 142 $((25 * $2 + 12)); }                  # opinion window rows are 25 high

# The programs this script started that still run (an ended one's id may
# belong to another process by now).
EndPrograms() {
  local pid
  for pid in $(jobs -pr); do kill "$pid" 2>/dev/null || true; done
  rm -f "$work/inner.pid"
}
trap EndPrograms EXIT

Fail() {
  echo "FAIL [$scenario]: $*" >&2
  { mkdir -p "$shots" && Shot "$shots/e2e-failed-$scenario.png"; } || true
  exit 1
}

# Runs the command every 50 ms until it succeeds, for at most $1 seconds.
WaitUntil() {
  local limit=$1
  shift
  local end=$(($(date +%s%N) + limit * 1000000000))
  until "$@"; do
    (($(date +%s%N) < end)) || return 1
    sleep 0.05
  done
}

# The first visible window whose name matches the pattern, once there is one.
FindWindow() {
  local pattern=$1 found=""
  Found() { found=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) && [ -n "$found" ]; }
  WaitUntil 20 Found || Fail "no window named '$pattern'"
  echo "$found"
}

NoWindow() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# The program, started from another folder: its program folder is its own.
# The caption gets the game's version at the end of the first pass, when the
# lists are filled and shown.
Start() {
  StartUntilShown "$work" 20 '^Tarvolin - v[0-9]' "$exe" || Fail "the main window did not come up"
  pid=$STARTED_PID main=$STARTED_WINDOW
}

# Keys go to the window with the keyboard focus: a dialog takes it once it
# has been activated, and until then the keys would reach the main window.
HasFocus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
AwaitFocus() { WaitUntil 10 HasFocus "$1" || Fail "window $1 did not get the keyboard focus"; }

Press() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }
Keys() { xdotool key --delay 30 "$@"; }

# A pop-up window of the main window (a menu, a drop-down's list), once one
# shows: it carries the program's class but no name of its own.
Popups() { xdotool search --onlyvisible --class '^Tarvolin$' 2>/dev/null | grep -vx "$main" || true; }
FindPopup() {
  local found=""
  Shown() { found=$(Popups | head -n1) && [ -n "$found" ]; }
  WaitUntil 20 Shown || Fail "no pop-up window"
  echo "$found"
}
NoPopup() { [ -z "$(Popups)" ]; }

# A pop-up menu opened by a click on its button; the keys then go to it.
OpenMenu() {
  Press "$main" "$@"
  FindPopup >/dev/null
}

Geometry() {
  xdotool getwindowgeometry --shell "$1" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h "+" x "+" y}'
}
Shot() {
  if [ $# -eq 1 ]; then
    /usr/bin/import -window root "$1"
  else
    /usr/bin/import -window root -crop "$(Geometry "$2")" +repage "$1"
  fi
}

# The game's record, once it has been written: the working folder, then one
# argument a line.
Received() {
  WaitUntil 10 test -f "$log" || Fail "the game was not started"
  cat "$log"
}

# What the game must have got for these parameters ("{pf}" is the program
# folder): the program folder as its working folder, then the parameters'
# words, the folder filled into each (its spaces stay inside its switch).
Expected() {
  local words
  read -r -a words <<<"$1" || true
  words=("${words[@]//\{pf\}/$program}")
  (cd "$program" && pwd -P)
  [ ${#words[@]} -eq 0 ] || printf '%s\n' "${words[@]}"
}

# The CommandLine key as written, spaces kept; "<none>" without one.
CommandLine() {
  local line
  line=$(grep -a '^CommandLine=' "$ini" 2>/dev/null) || {
    echo "<none>"
    return
  }
  line=${line#CommandLine=}
  echo "${line%$'\r'}"
}

# The game got these parameters, and the settings file remembers them.
ExpectPlayed() {
  local received expected
  received=$(Received)
  expected=$(Expected "$1")
  [ "$received" = "$expected" ] || Fail "the game received:"$'\n'"$received"$'\n'"expected:"$'\n'"$expected"
  local want="Duke3dw.exe ${1//\{pf\}/$program}"
  [ "$(CommandLine)" = "$want" ] || Fail "CommandLine is '$(CommandLine)', expected '$want'"
}

Setting() { sed -n "s/^$1=\(.*\)\r$/\1/p" "$ini"; }

# The colour at client x, y of a screenshot of the main window, as RRGGBB.
Pixel() { /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info:; }

# Whether two RRGGBB colours differ by at most 4 in each channel.
Near() {
  local i a b
  for i in 0 2 4; do
    a=$((16#${1:i:2})) b=$((16#${2:i:2}))
    (((a - b) * (a - b) <= 16)) || return 1
  done
}

# The top bar's gradient runs from the first colour to the second, once the
# window has been painted again.
ExpectBar() {
  local shot="$work/bar.png" left="" right=""
  BarShows() {
    Shot "$shot" "$main"
    left=$(Pixel "$shot" 2 2) right=$(Pixel "$shot" 529 2)
    Near "$left" "$1" && Near "$right" "$2"
  }
  WaitUntil 5 BarShows "$1" "$2" || Fail "the top bar runs from $left to $right, expected $1 to $2"
}

Hour() { date -u -r "$1" +%H:%M:%S; }

ScenarioUserMap() {
  Start
  PressMapRow 1  # Bravo.map, with Bravo.con beside it
  Press "$main" "${PLAY_USER_MAP[@]}"
  ExpectPlayed "-j{pf}Maps  -xBravo.con -map Bravo.map /s3"
}

ScenarioTc() {
  Start
  PressTcRow 0  # Bar, the zip TC: its script and start map are named inside it
  Press "$main" "${PLAY_USER_ADDON[@]}"
  ExpectPlayed "-j{pf}Games -xBar.con -gBar.zip -map bar.map"
}

ScenarioTitle() {
  Start
  xdotool mousemove --window "$main" "${PLAY[@]}" mousedown 1
  ExpectPlayed ""
  xdotool mouseup 1
}

ScenarioLevel() {
  Start
  OpenMenu "${MENU2[@]}"
  Keys Down Down Down Down Down Down Return  # the sixth entry, "Play Level"
  local levels
  levels=$(FindWindow '^Select level$')
  # A click into the list, then the first row and sixteen down: E2L5, past
  # the separator row after E1L11.
  AwaitFocus "$levels"
  Press "$levels" 40 60
  Keys Home Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down
  Press "$levels" 71 248  # " &Select" at x 30 of the bar
  ExpectPlayed " -v2 -l05 /s3"
  WaitUntil 10 NoWindow '^Select level$' || Fail "the level window stayed open"
}

ScenarioSavedGame() {
  Start
  Press "$main" "${SAVED_GAMES[@]}"
  local list
  list=$(FindPopup)
  local size
  size=$(Geometry "$list")
  size=${size%%+*}
  # The second of its two entries: "Red Light ***", slot 1.
  Press "$list" $((${size%x*} / 2)) $((${size#*x} * 3 / 4))
  WaitUntil 10 NoPopup || Fail "the saved-game list stayed open"
  Press "$main" "${PLAY[@]}"
  ExpectPlayed " /1"
}

ScenarioOpinion() {
  local map="${program}Maps/Echo.map"
  [ "$(Hour "$map")" = 12:30:00 ] || Fail "Echo.map starts at $(Hour "$map")"
  Start
  PressMapRow 4  # Echo.map, no opinion yet
  PressMapRow 4 3
  local opinions
  opinions=$(FindWindow '^Select Option$')
  PressOpinionRow "$opinions" 2  # "Played and was Good": code 1
  HourIsOne() { [ "$(Hour "$map")" = 01:00:00 ]; }
  WaitUntil 10 HourIsOne || Fail "Echo.map was changed at $(Hour "$map"), expected 01:00:00"
  WaitUntil 10 NoWindow '^Select Option$' || Fail "the opinion window stayed open"
}

ScenarioSkin() {
  Start
  ExpectBar 808080 000000  # "Black", as designed
  OpenMenu "${MENU1[@]}"
  # The seventh entry, "GUI Skin Color"; its submenu opens on its first
  # entry, "Black"; three down is "Green".
  Keys Down Down Down Down Down Down Down Right Down Down Down Return
  SkinIsGreen() { [ "$(Setting SkinColor)" = Green ]; }
  WaitUntil 10 SkinIsGreen || Fail "SkinColor is '$(Setting SkinColor)', expected Green"
  ExpectBar 00C000 005000

  Press "$main" "${QUIT[@]}"
  Ended() { [ -z "$(jobs -pr)" ]; }
  WaitUntil 10 Ended || Fail "Quit did not end the program"
  Start
  ExpectBar 00C000 005000
  [ "$(Setting SkinColor)" = Green ] || Fail "SkinColor is '$(Setting SkinColor)' after the restart"
}

ScenarioSecondStart() {
  Start
  local first=$pid
  # The pointer starts on the Play button, which lights it: moved off, and
  # the shot taken once the button's body is black again.
  xdotool mousemove --window "$main" "${AWAY[@]}"
  mkdir -p "$shots"
  local shot="$shots/e2e-main.png"
  Unlit() { Shot "$shot" "$main" && [ "$(Pixel "$shot" "${PLAY_BODY[@]}")" = 000000 ]; }
  WaitUntil 10 Unlit || Fail "the Play button stays lit"

  local began second rc=0
  began=$(date +%s%N)
  (cd "$work" && exec "$exe") &
  second=$!
  Ended() { ! jobs -pr | grep -qx "$second"; }
  WaitUntil 5 Ended || Fail "the second start still runs"
  wait "$second" || rc=$?
  echo "the second start ended after $((($(date +%s%N) - began) / 1000000)) ms"
  [ "$rc" -eq 0 ] || Fail "the second start ended with exit code $rc"
  [ "$(xdotool search --onlyvisible --name '^Tarvolin' | wc -l)" -eq 1 ] || Fail "the second start showed a window"
  jobs -pr | grep -qx "$first" || Fail "the first copy ended"
}

case $scenario in
  user_map) ScenarioUserMap ;;
  tc) ScenarioTc ;;
  title) ScenarioTitle ;;
  level) ScenarioLevel ;;
  saved_game) ScenarioSavedGame ;;
  opinion) ScenarioOpinion ;;
  skin) ScenarioSkin ;;
  second_start) ScenarioSecondStart ;;
  *) Fail "no scenario '$scenario'" ;;
esac
echo "PASS [$scenario]"
