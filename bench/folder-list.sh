#!/usr/bin/env bash
# The folder list at scale, under Wine: the real Muralto.exe started with a
# folder list of N unchecked entries (no scan) for N = 10, 1,000 and 10,000,
# and with a damaged list whose Total is 2147483647 (three real entries).
# For each: the time until the main window shows, the processor time the
# program had used by then, a click on an entry (which saves the list), a Delete of one entry, a drop of 500 folders, and the
# close until the process has ended with both files written; each against
# N = 10. Goal: at N = 10,000 each within 1 s of N = 10, and the damaged list
# starting and closing like a short one.
#
#   bench/folder-list.sh BUILD [RUNS]      (bench/run passes the build folder)
#
# MURALTO_EXE=PATH times another build of the program (an older one, say);
# STEPS="start close" leaves out the other steps; SIZES="10 10000" others;
# LIMIT=SECONDS (default 300) is the longest any step may take.
# Everything is timed from outside, on the Linux side, with no Wine process
# started inside a timed span: the window counts as shown when its X window
# is mapped (xdotool); clicks are real X input (xdotool) and the drop a real
# XDND drop (tests/e2e/xdnd); a click, Delete or drop ends when the folder
# list file has been replaced by its new version with the expected Total
# (every save puts a new file in its place); the close is asked for through
# the e2e driver, whose own start is timed alike at every size and so adds
# the same to each. The processor time (user + system of the program's process,
# read from /proc when its window shows, in steps of 10 ms) is what the start
# costs, whatever the load of the machine stretches the clock to. The median
# of RUNS runs (default 3) is reported.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-side"

if [ "${1:-}" = --inside ]; then
  shift
  work=$1 exe=$2 driver=$3 xdnd=$4 runs=$5
  steps=" ${STEPS:-start click delete drop close} "
  sizes=${SIZES:-10 1000 10000 damaged}
  title='^Muralto 1\.2$'
  limit=$((${LIMIT:-300} * 1000))
  ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
  say() { echo "folder-list: $*" >&2; }
  drive() { wine "$driver" "$@" | tr -d '\r'; }
  inode() { stat -c %i "$1" 2>/dev/null || echo none; }
  # Waits until FILE is a new file (another inode than OLD) holding
  # Total=TOTAL; prints the milliseconds since START.
  saved() {
    local file=$1 old=$2 total=$3 start=$4 deadline=$(($(ms) + limit))
    until [ "$(inode "$file")" != "$old" ] && grep -q "^Total=$total"$'\r'"\$" "$file" 2>/dev/null; do
      [ "$(ms)" -lt $deadline ] || { say "no save with Total=$total"; return 1; }
      sleep 0.01
    done
    echo $(($(ms) - start))
  }
  center() { read -r l t w h < <(drive rect "$1" | head -1); echo "$((l + w / 2)) $((t + h / 2))"; }

  wineserver -p
  mkdir -p "$work/drop"
  drops=()
  for i in $(seq -w 1 500); do mkdir -p "$work/drop/Album $i"; drops+=("$work/drop/Album $i"); done

  # Processor time of process PID so far, in ms.
  cpu() { awk -v hz="$(getconf CLK_TCK)" '{print int(($14 + $15) * 1000 / hz)}' "/proc/$1/stat" 2>/dev/null || echo fail; }

  # One run: prints "shown cpu click delete drop close" in ms, "-" for a step
  # left out, "fail" for one that failed or ran out of time (the rest are
  # then left out).
  run() {
    local label=$1 entries=$2 total=$3 app=$work/app todo=$steps
    rm -rf "$app"; mkdir -p "$app/data" "$app/language"
    cp "$exe" "$app/Muralto.exe"
    cp "$here"/resources/language/*.ini "$app/language/"
    printf '[Options]\r\nLanguage=English\r\nAuto Start=0\r\ntray=1\r\nSelection=0\r\nPosition=0\r\n[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n' >"$app/Muralto.ini"
    awk -v n="$entries" -v total="$total" 'BEGIN {
      printf "[Folders]\r\nTotal=%s\r\n", total
      for (i = 1; i <= n; i++) printf "Folder%d=C:\\Archive\\Photos\\%d\\Album %05d\r\nChecked Folder%d=0\r\n", i, 2000 + i % 25, i, i
    }' >"$app/data/folders.ini"
    local list="$app/data/folders.ini" count=$entries shown=- cpu=- click=- delete=- drop=- close=- start pid window lv
    [ "$label" = damaged ] && count=10000
    start=$(ms)
    wine "$app/Muralto.exe" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
      [ $(($(ms) - start)) -lt $limit ] || { say "$label: no window"; kill "$pid"; echo "fail - - - - -"; return; }
      sleep 0.01
    done
    shown=$(($(ms) - start))
    cpu=$(cpu "$pid")
    window=$(drive find TForm1 "Muralto 1.2" | cut -f1)
    lv=$(drive texts "$window" | awk -F'\t' '$2 == "SysListView32" {print $1}')
    if [[ $todo == *" click "* ]]; then
      read -r l t _ h < <(drive item-rect "$lv" 0 | sed -n 2p)
      local old; old=$(inode "$list"); start=$(ms)
      xdotool mousemove "$((l + 8))" "$((t + h / 2))" click 1
      click=$(saved "$list" "$old" "$count" "$start") || { click=fail; todo=; }
    fi
    if [[ $todo == *" delete "* ]]; then
      local button; button=$(drive texts "$window" | awk -F'\t' '$2 == "Button" && $4 == "Delete" {print $1}')
      read -r x y < <(center "$button")
      local old; old=$(inode "$list"); count=$((count - 1)); start=$(ms)
      xdotool mousemove "$x" "$y" click 1
      delete=$(saved "$list" "$old" "$count" "$start") || { delete=fail; todo=; }
    fi
    if [[ $todo == *" drop "* ]]; then
      read -r x y < <(center "$lv")
      local old; old=$(inode "$list"); count=$((count + 500)); start=$(ms)
      if "$xdnd" "$x" "$y" "${drops[@]}" 2>/dev/null; then
        drop=$(saved "$list" "$old" "$count" "$start") || { drop=fail; todo=; }
      else
        say "$label: the drop was not taken"; drop=fail; todo=
      fi
    fi
    if [[ $todo == *" close "* ]]; then
      rm -f "$app/Muralto.ini"
      start=$(ms)
      drive sysclose "$window" >/dev/null
      while kill -0 "$pid" 2>/dev/null && [ "$(ps -o stat= -p "$pid" | cut -c1)" != Z ]; do
        [ $(($(ms) - start)) -lt $limit ] || { say "$label: the program did not end"; close=fail; break; }
        sleep 0.01
      done
      [ "$close" = fail ] || close=$(($(ms) - start))
      grep -q "^Total=$count"$'\r'"\$" "$list" && [ -s "$app/Muralto.ini" ] || { say "$label: files not written"; close=fail; }
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$shown $cpu $click $delete $drop $close"
  }

  run warm-up 10 10 >/dev/null
  for size in $sizes; do
    for r in $(seq 1 "$runs"); do
      case $size in
        damaged) echo "damaged $(run damaged 3 2147483647)" ;;
        *) echo "$size $(run "$size" "$size" "$size")" ;;
      esac
    done
  done
  exit 0
fi

build=$(realpath -m "${1:-$here/build}")
runs=${2:-3}
windows=$build/windows$wine_suffix
work=$build/bench-cache/folder-list
mkdir -p "$work"
log=$work/build.log
if [ ! -f "$windows/CMakeCache.txt" ]; then
  deps=${MURALTO_DEPS:-$build/deps}
  [ -d "$deps" ] || deps=$here/build/deps
  "$here/scripts/build-windows-deps" "$deps" "$wine_toolchain"
  cmake -S "$here" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$wine_toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DMURALTO_DEPS="$deps" >"$log" 2>&1
fi
if ! cmake --build "$windows" --target Muralto e2e-driver -j"${JOBS:-2}" >>"$log" 2>&1; then
  echo "bench/folder-list.sh: the build failed; the end of $log:" >&2
  tail -15 "$log" >&2
  exit 1
fi
exe=$(realpath "${MURALTO_EXE:-$windows/Muralto.exe}")
cc -std=c11 -D_POSIX_C_SOURCE=200809L -O2 -o "$work/xdnd-drop" "$here/tests/e2e/xdnd/xdnd-drop.c" -lX11
# No virtual desktop: a drop reaches the program's own X window only without one.
"$here/scripts/xsession" --build "$build" -- "$here/bench/folder-list.sh" --inside "$work" "$exe" \
  "$windows/tests/e2e/e2e-driver.exe" "$work/xdnd-drop" "$runs" | tee "$work/result.txt"

awk '
  function median(list,   n, v, i, j, t) {
    n = split(list, v, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] + 0 < v[i] + 0) { t = v[i]; v[i] = v[j]; v[j] = t }
    for (i = 1; i <= n; i++) if (v[i] == "fail") return "fail"
    return n == 0 || v[1] == "-" ? "-" : (n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2)
  }
  { sizes[$1] = 1; if (!($1 in order)) order[$1] = ++count; for (s = 2; s <= 7; s++) cell[$1, s] = cell[$1, s] " " $s }
  END {
    split("shown shown-cpu click delete drop-500 close", name, " ")
    printf "%-8s", "N"; for (s = 2; s <= 7; s++) printf " %14s", name[s - 1]; printf "\n"
    for (k = 1; k <= count; k++) for (z in order) if (order[z] == k) {
      printf "%-8s", z
      for (s = 2; s <= 7; s++) {
        m = median(cell[z, s]); base = median(cell["10", s])
        if (m == "-") { printf " %14s", "-"; continue }
        if (m == "fail") { printf " %14s", "failed"; bad = bad " " z "/" name[s - 1]; continue }
        d = (base == "-" ? 0 : (m - base) / 1000)
        printf " %6.2f s%s", m / 1000, (z == "10" ? "       " : sprintf(" %+5.1f", d))
        if (z != "10" && d > 1) bad = bad " " z "/" name[s - 1]
      }
      printf "\n"
    }
    printf "goal (each within 1 s of N = 10): %s\n", (bad == "" ? "met" : "NOT met:" bad)
  }' "$work/result.txt"
