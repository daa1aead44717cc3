# Helpers for scenarios that try the release packages of `make dist`; sourced
# after muralto.sh. The packages lie in the build tree's dist folder, beside
# the Windows build.

DIST="$(dirname "$E2E_WINDOWS_BUILD")/dist"
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Muralto'

# Shortcuts would otherwise reach the desktop menus of the machine's own user.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

# The Linux path of a folder the prefix's environment names (LOCALAPPDATA...).
dist_env_folder() {
  local windows
  windows=$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
  [ -n "$windows" ] && [ "$windows" != "%$1%" ] || e2e_fail "the prefix has no %$1%"
  winepath -u "$windows" 2>/dev/null
}

# Waits until the main window is on the screen; prints it.
dist_wait_main_window() {
  local window deadline
  window=$(e2e_driver wait-window TForm1 "$MURALTO_TITLE" 60) || e2e_fail "the main window never appeared"
  deadline=$((SECONDS + 20))
  until [ "$(e2e_driver visible "$window")" = 1 ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "the main window never became visible"
    sleep 0.2
  done
  echo "$window"
}

# Closes the main window by its close box and waits for its process to end
# with 0. The process is held before the close, so that its end cannot come
# before the wait (a program started through a shortcut is no child of ours).
dist_close() {
  local window=$1 pid waiter
  pid=$(e2e_driver window-pid "$window") || e2e_fail "no process behind the main window"
  e2e_driver wait-process "$pid" 60 >"$E2E_WORK/wait-process.out" 2>"$E2E_WORK/wait-process.err" &
  waiter=$!
  e2e_wait_for_text "$E2E_WORK/wait-process.err" "waiting for process" 30 || e2e_fail "cannot hold the program's process"
  e2e_driver sysclose "$window"
  wait "$waiter" || e2e_fail "the program did not end after the close box"
  e2e_expect_eq "$(cat "$E2E_WORK/wait-process.out")" "exit 0" "the program's end after the close box"
}

# Fails unless every file of the zip's folder was installed byte for byte.
dist_expect_installed() {  # FOLDER WHAT
  local part
  for part in Muralto.exe README.txt $(cd "$DIST/Muralto" && ls language/*.ini); do
    cmp -s "$DIST/Muralto/$part" "$1/$part" || e2e_fail "$2: $part differs from the package's or is missing"
  done
  [ -d "$1/data" ] || e2e_fail "$2: no data folder"
}
