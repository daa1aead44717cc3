# Helpers for end-to-end scenarios; a scenario sources this file. It runs inside
# scripts/xsession (DISPLAY, WINEPREFIX, XSESSION, XSESSION_SHOTS) started by
# tests/e2e/run, which also sets E2E_WINDOWS_BUILD, E2E_WORK and E2E_DRIVER.
set -euo pipefail

: "${E2E_WINDOWS_BUILD:?run scenarios through tests/e2e/run}"
: "${E2E_WORK:?}" "${E2E_DRIVER:?}"

# Exit status that tests/e2e/run counts as skipped, neither passed nor failed.
E2E_SKIP=77

e2e_log() { echo "[$(date +%T)] $*" >&2; }

e2e_fail() {
  e2e_log "FAILED: $*"
  exit 1
}

# Whatever ends a scenario early, the screen at that moment is kept.
e2e_on_exit() {
  local status=$?
  if [ "$status" != 0 ] && [ "$status" != "$E2E_SKIP" ]; then
    e2e_shot "$(basename "$0")-failure" || true
  fi
}
trap e2e_on_exit EXIT

e2e_skip() {
  e2e_log "skipped: $*"
  exit "$E2E_SKIP"
}

# The driver's output without the CR that the Windows runtime adds to lines.
e2e_driver() {
  wine "$E2E_DRIVER" "$@" | tr -d '\r'
}

# Starts a Windows program in the background; its Linux pid is in E2E_LAST_PID.
e2e_start() {
  wine "$@" >>"$E2E_WORK/programs.log" 2>&1 &
  E2E_LAST_PID=$!
}

e2e_shot() {
  "$XSESSION" --shot "$XSESSION_SHOTS/$1.png"
  e2e_log "screenshot $XSESSION_SHOTS/$1.png"
}

# The Windows form of a Linux path (Z:\...).
e2e_winpath() {
  winepath -w "$1" 2>/dev/null | tr -d '\r'
}

e2e_expect_eq() {
  local actual=$1 expected=$2 what=$3
  [ "$actual" = "$expected" ] || e2e_fail "$what: expected \"$expected\", got \"$actual\""
}

e2e_expect_contains() {
  local text=$1 part=$2 what=$3
  case $text in
    *"$part"*) ;;
    *) e2e_fail "$what: \"$part\" not in: $text" ;;
  esac
}

# Waits for a Linux background process (e2e_start) and sets E2E_EXIT_STATUS;
# returns 1 if it still runs after SECONDS. Call it in the scenario's own
# shell, never inside $(...): only the shell that started a process can
# collect its exit status.
e2e_wait_exit() {
  local pid=$1 seconds=$2 deadline
  deadline=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null && [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" != Z ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
  E2E_EXIT_STATUS=0
  wait "$pid" || E2E_EXIT_STATUS=$?
}

# Polls a file until it holds TEXT, for at most SECONDS.
e2e_wait_for_text() {
  local file=$1 text=$2 seconds=$3 deadline
  deadline=$((SECONDS + seconds))
  until grep -qF -- "$text" "$file" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# Real key presses through the X server (xdotool's XTEST input, the way a
# keyboard's arrive), e.g. `e2e_keys Tab shift+Tab Down`. The first call
# gives the keyboard focus to the Wine desktop window, which passes the keys
# on to its foreground window.
e2e_keys() {
  command -v xdotool >/dev/null || e2e_skip "xdotool is not installed"
  if [ -z "${E2E_KEYS_FOCUSED:-}" ]; then
    local desktop
    desktop=$(xdotool search --onlyvisible --name 'Wine desktop' 2>/dev/null | head -1) ||
      e2e_fail "no Wine desktop window to type into"
    [ -n "$desktop" ] || e2e_fail "no Wine desktop window to type into"
    xdotool windowfocus --sync "$desktop"
    E2E_KEYS_FOCUSED=1
  fi
  xdotool key --delay 80 "$@"
}
