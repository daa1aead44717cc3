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
. "$here/scripts/wine-side"
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
  /usr/bin/python3 - "$(basename "$picture")" "$work/poll.log" <<'PY'
import statistics, sys
name, log = sys.argv[1], sys.argv[2]
picks, readings = [], []
for line in open(log):
    f = line.rstrip("\n").split("\t")
    if len(f) > 1 and f[1] == "pick": picks.append(int(f[0]))
    elif len(f) > 2 and f[1] == "memory": readings.append((int(f[0]), int(f[2].split("=")[1])))
idle = [r for t, r in readings if not picks or t < picks[0]]
after = [r for t, r in readings if picks and t >= picks[0] + 2000 and (len(picks) < 2 or t < picks[1])]
if not idle or not after:
    sys.exit(f"{name}: not enough readings ({len(idle)} idle, {len(after)} after, {len(picks)} picks)")
i0, a0 = statistics.median_low(idle) / 1024, statistics.median_low(after) / 1024
print(f"{name:<14} idle {i0:.1f} MiB, after the pick {a0:.1f} MiB: {a0 - i0:+.1f} MiB "
      f"(goal within 8: {'met' if a0 - i0 <= 8 else 'NOT met'})")
PY
}
export -f one
export here windows work interval

for picture in "$cache/bmp24.bmp" "$cache/baseline.jpg"; do
  "$here/scripts/xsession" --build "$build" --desktop Resident -- bash -c "one '$picture'"
done
