#!/usr/bin/env bash
# bench/resident.sh WINDOWS_BUILD [INTERVAL]
# The running Muralto.exe under Wine, hidden with the rotation running ("-a",
# Sequential, one picture in its folder, a pick every INTERVAL seconds,
# default 20): its resident memory while idle before the first pick and
# between the first and second picks, once for a 6000 x 4000 24-bit BMP and
# once for a 6000 x 4000 JPEG (the pictures of bench/conversion.sh, made by
# it first). Goal: within 8 MiB of idle after either pick. Read from Linux
# every half second (soak/poll.py); the figure after a pick is the median of
# its readings from 2 s after the pick to the next one.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
windows=$(cd "${1:?usage: bench/resident.sh WINDOWS_BUILD [INTERVAL]}" && pwd)
interval=${2:-20}
build=$(dirname "$windows")
cache=$build/bench-cache/conversion
work=$build/bench-cache/resident
for f in Muralto.exe tests/e2e/e2e-driver.exe; do
  [ -f "$windows/$f" ] || { echo "resident: $windows/$f is missing (make windows builds it)" >&2; exit 1; }
done
[ -f "$cache/bmp24.bmp" ] && [ -f "$cache/baseline.jpg" ] ||
  { echo "resident: run bench/conversion.sh first (it makes the pictures)" >&2; exit 1; }

one() {
  set -euo pipefail
  local picture=$1 app=$work/app driver=$windows/tests/e2e/e2e-driver.exe window linuxpid p
  rm -rf "$app" "$work/pictures"
  mkdir -p "$app/data" "$work/pictures"
  cp "$windows/Muralto.exe" "$app/"
  ln -s "$picture" "$work/pictures/$(basename "$picture")"
  printf '[Folders]\r\nTotal=1\r\nFolder1=Z:%s\r\nChecked Folder1=1\r\n' "${work//\//\\}\\pictures" >"$app/data/folders.ini"
  printf '[Options]\r\nLanguage=English\r\nAuto Start=0\r\ntray=1\r\nSelection=1\r\nPosition=0\r\n[Pause]\r\nHour=0\r\nMin=0\r\nSec=%s\r\n' \
    "$interval" >"$app/Muralto.ini"
  cd "$app"
  /usr/bin/python3 "$here/soak/poll.py" "$app/data/wallpaper.bmp" "$work/pid" "$((interval * 2 + 20))" 0.5 >"$work/poll.log" &
  local poller=$!
  rm -f "$work/pid"
  wine "$app/Muralto.exe" -a >/dev/null 2>&1 &
  window=$(wine "$driver" wait-window TForm1 'Muralto 1.2' 90 | tr -d '\r' | cut -f1)
  linuxpid=
  for p in /proc/[0-9]*; do
    { tr '\0' ' ' <"$p/cmdline"; } 2>/dev/null | grep 'Muralto\.exe' >/dev/null || continue
    { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -x "WINEPREFIX=$WINEPREFIX" >/dev/null || continue
    linuxpid=${p#/proc/}
  done
  echo "$linuxpid" >"$work/pid"
  wait "$poller" || true
  wine "$driver" close "$window" >/dev/null 2>&1 || true
  # idle: the readings before the first pick; after: from 2 s after it to the second
  awk -F'\t' -v name="$(basename "$picture")" '
    $2 == "pick" { picks[++n] = $1; next }
    $2 == "memory" { split($3, kv, "="); t[++m] = $1; rss[m] = kv[2] }
    END {
      for (i = 1; i <= m; i++) {
        if (n < 1 || t[i] < picks[1]) idle[++a] = rss[i]
        else if (t[i] >= picks[1] + 2000 && (n < 2 || t[i] < picks[2])) after[++b] = rss[i]
      }
      asort(idle); asort(after)
      if (a == 0 || b == 0) { printf "%s: not enough readings (%d idle, %d after, %d picks)\n", name, a, b, n; exit 1 }
      i0 = idle[int((a + 1) / 2)]; a0 = after[int((b + 1) / 2)]
      printf "%-14s idle %.1f MiB, after the pick %.1f MiB: %+.1f MiB (goal within 8: %s)\n", name, i0 / 1024, a0 / 1024,
        (a0 - i0) / 1024, ((a0 - i0) / 1024 <= 8 ? "met" : "NOT met") }' "$work/poll.log"
}
export -f one
export here windows work interval

for picture in "$cache/bmp24.bmp" "$cache/baseline.jpg"; do
  "$here/scripts/xsession" --build "$build" --desktop Resident -- bash -c "one '$picture'"
done
