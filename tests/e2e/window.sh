# shellcheck shell=bash
# Helpers for scenarios that work Muralto's main window as a user does (real
# clicks and key presses through the X server) and watch the wallpaper it
# makes; sourced after muralto.sh.

# Polls COMMAND until it succeeds, for at most SECONDS; fails with WHAT.
poll() {  # SECONDS WHAT COMMAND...
  local seconds=$1 what=$2 deadline
  shift 2
  deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || e2e_fail "$what"
    sleep 0.1
  done
}

# Starts the program in APP with ARG..., waits until its main window shows;
# sets PROGRAM (the Linux pid) and WINDOW.
start_muralto() {  # APP [ARG...]
  local app=$1
  shift
  e2e_start "$app/Muralto.exe" "$@"
  PROGRAM=$E2E_LAST_PID
  WINDOW=$(e2e_driver wait-window TForm1 "$MURALTO_TITLE" 60 | cut -f1) || e2e_fail "the main window never appeared"
  poll 30 "the main window was never shown" window_visible "$WINDOW"
}

window_visible() { [ "$(e2e_driver visible "$1")" = 1 ]; }

# Waits for the program to end by itself and checks that it ended well.
expect_ended() {  # WHAT
  e2e_wait_exit "$PROGRAM" 30 || e2e_fail "$1 did not end the program"
  e2e_expect_eq "$E2E_EXIT_STATUS" 0 "exit status after $1"
}

# The first child of WINDOW that shows TEXT, or of class CLASS when TEXT is
# "-" (the N-th one of that class, from 1).
child() {  # WINDOW TEXT [CLASS [N]]
  local found
  if [ "$2" = - ]; then
    found=$(e2e_driver texts "$1" | awk -F'\t' -v c="$3" -v n="${4:-1}" 'NR > 1 && $2 == c && ++k == n { print $1; exit }')
  else
    found=$(e2e_driver texts "$1" | awk -F'\t' -v t="$2" 'NR > 1 && $4 == t { print $1; exit }')
  fi
  [ -n "$found" ] || e2e_fail "no control \"$2${3:+ $3 ${4:-1}}\" in window $1"
  echo "$found"
}

# A real left click inside a window: at its centre, or at X Y from its
# top-left corner (negative values count from the right or bottom edge).
click() {  # WINDOW [X Y]
  local left top width height x y
  read -r left top width height <<<"$(e2e_driver rect "$1" | head -1)"
  x=${2:-$((width / 2))}
  y=${3:-$((height / 2))}
  [ "$x" -ge 0 ] || x=$((width + x))
  [ "$y" -ge 0 ] || y=$((height + y))
  xdotool mousemove "$((left + x))" "$((top + y))" click 1
}

# The text a control shows now.
text_of() { e2e_driver texts "$1" | head -1; }
shows() { [ "$(text_of "$1")" = "$2" ]; }

# The main settings file's line for KEY, without its CR.
setting() {  # APP KEY
  read_crlf "$1/Muralto.ini" 2>/dev/null | sed -n "s/^$2=//p"
}
setting_is() { [ "$(setting "$1" "$2")" = "$3" ]; }

# What the wallpaper file is now: its inode and change time, which a pick
# changes every time (the file is made anew beside the old one and renamed
# over it), even when it picks the same picture again; empty while there is
# no file.
pick_mark() {  # FILE
  stat -c '%i %.9Z' "$1" 2>/dev/null || true
}

# Waits for the next pick after MARK and prints "SIZE SECONDS": the picture's
# size and the moment the pick put the file in place (its change time, in
# seconds since 1970 with a fraction).
next_pick() {  # FILE MARK SECONDS
  local file=$1 mark=$2 deadline=$((SECONDS + $3)) now
  while now=$(pick_mark "$file"); [ -z "$now" ] || [ "$now" = "$mark" ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "no pick within $3 s"
    sleep 0.05
  done
  echo "$(bmp_size "$file") ${now#* }"
}

# Records COUNT picks in a row into the array PICKS ("SIZE SECONDS" each).
record_picks() {  # FILE COUNT SECONDS_EACH
  local mark pick i
  PICKS=()
  mark=$(pick_mark "$1")
  for ((i = 0; i < $2; i++)); do
    pick=$(next_pick "$1" "$mark" "$3")
    mark=$(pick_mark "$1")
    PICKS+=("$pick")
    e2e_log "pick: $pick"
  done
}

# The sizes of the recorded picks, blank-separated.
pick_sizes() {
  local pick out=
  for pick in "${PICKS[@]}"; do out="$out${out:+ }${pick%% *}"; done
  echo "$out"
}
