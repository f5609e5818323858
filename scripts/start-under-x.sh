# Starting the program under a virtual X server. Xvfb now and then refuses a
# client's connection while another client (xdotool) polls it; the program
# then ends at once with Qt's "could not connect to display" or another xcb
# error. Such a start is made again; any other early end is a real failure.
# Sourced by the scripts that drive the program under Xvfb; needs xdotool.

# StartUntilShown <folder> <seconds> <window name pattern> <command...>
# Starts the command in the folder in the background and waits until a
# visible window whose name matches the pattern shows. Sets STARTED_PID and
# STARTED_WINDOW. Returns 1, saying why, when the program ended for another
# reason, still runs without that window after <seconds>, or was refused on
# every try. Its standard error still reaches ours.
StartUntilShown() {
  local folder=$1 seconds=$2 pattern=$3
  shift 3
  local errors attempt end
  errors=$(mktemp)
  STARTED_PID="" STARTED_WINDOW=""
  for attempt in 1 2 3 4 5; do
    : >"$errors"
    (cd "$folder" && exec "$@") 2> >(tee "$errors" >&2) &
    STARTED_PID=$!
    end=$(($(date +%s%N) + seconds * 1000000000))
    while (($(date +%s%N) < end)); do
      STARTED_WINDOW=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) || true
      if [ -n "$STARTED_WINDOW" ]; then
        rm -f "$errors"
        return 0
      fi
      kill -0 "$STARTED_PID" 2>/dev/null || break
      sleep 0.05
    done
    if kill -0 "$STARTED_PID" 2>/dev/null; then
      echo "no window named '$pattern' after $seconds s" >&2
      rm -f "$errors"
      return 1
    fi
    wait "$STARTED_PID" 2>/dev/null || true
    # The copy of its last words may still be on its way.
    local i
    for i in $(seq 20); do
      grep -qiE 'could not connect to display|xcb' "$errors" && break
      sleep 0.05
    done
    if ! grep -qiE 'could not connect to display|xcb' "$errors"; then
      echo "the program ended at its start" >&2
      rm -f "$errors"
      return 1
    fi
    echo "the X server refused the program's connection (try $attempt); starting it again" >&2
    sleep 0.2
  done
  rm -f "$errors"
  return 1
}
