#!/usr/bin/env bash
# bench/conversion.sh BUILD [RUNS]
# A 6000 x 4000 picture (baseline, progressive, grayscale JPEG) into a BMP
# wallpaper file: muralto-convert (native Release build, no sanitizers)
# against djpeg -bmp (same library, same settings) and ImageMagick's
# convert in.jpg BMP3:out.bmp. Wall-time medians and peak memory of RUNS runs
# (default 5), with the ratios and goals. Then the floor, natively and under
# Wine: ours against decoding alone plus writing a file of the wallpaper's
# size (bench/ConversionFloor.cpp, the same library and settings), in wall
# time and in processor time (user + system); under Wine the cost of starting
# a process is taken off each. Goal within 1.2x. Then bitmap pictures of
# that size (24-bit, and 8-bit run-length), which go into the wallpaper file
# a strip at a time: peak memory above the tool's own start (goal 16 MiB)
# and time against reading the file and writing its bytes anew into a file
# that replaces the old one (goal 1.1x), natively and under Wine. Pictures
# are cached in BUILD/bench-cache/conversion.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-side"
build=$(realpath -m "${1:-$here/build}")
runs=${2:-5}
# PARTS: which tables, "jpeg bitmap" by default.
parts=" ${PARTS:-jpeg bitmap} "
cache=$build/bench-cache/conversion
mkdir -p "$cache"

cmake -S "$here" -B "$build/bench-native" -DCMAKE_BUILD_TYPE=Release -DMURALTO_SANITIZE=OFF >"$cache/build.log" 2>&1
cmake --build "$build/bench-native" --target muralto-convert conversion-floor -j"${JOBS:-2}" >>"$cache/build.log" 2>&1
tool=$build/bench-native/tools/muralto-convert
floor=$build/bench-native/bench/conversion-floor

if [ ! -f "$cache/pictures.stamp" ]; then
  /usr/bin/convert -seed 42 -size 6000x4000 plasma:fractal -blur 0x1 "$cache/source.ppm"
  cjpeg -quality 85 "$cache/source.ppm" >"$cache/baseline.jpg"
  cjpeg -quality 85 -progressive "$cache/source.ppm" >"$cache/progressive.jpg"
  cjpeg -quality 85 -grayscale "$cache/source.ppm" >"$cache/grayscale.jpg"
  rm -f "$cache/source.ppm"
  touch "$cache/pictures.stamp"
fi

if [ ! -f "$cache/bitmaps.stamp" ]; then
  djpeg -bmp "$cache/baseline.jpg" >"$cache/bmp24.bmp"
  djpeg -pnm -colors 256 "$cache/baseline.jpg" | /usr/bin/convert - -type Palette -compress RLE "BMP3:$cache/rle8.bmp"
  touch "$cache/bitmaps.stamp"
fi

median() { sort -n | awk '{a[NR]=$1} END {printf "%s ", a[int((NR+1)/2)]}'; }

# medians of the wall times, of the peak resident sizes (KB) and of the
# processor times (s) of runs
measure() {
  local out=$cache/out.bmp times=() mems=() cpus=()
  for _ in $(seq "$runs"); do
    # KEEP=1: the file stays, to be replaced as a wallpaper file is.
    [ -n "${KEEP:-}" ] || rm -f "$out"
    /usr/bin/time -f "%e %M %U %S" -o "$cache/time.txt" "$@" >/dev/null 2>&1 || true
    # the last line: a failing command's status line comes first
    read -r t m u s < <(tail -n 1 "$cache/time.txt")
    times+=("$t"); mems+=("$m"); cpus+=("$(awk -v u="$u" -v s="$s" 'BEGIN {print u + s}')")
  done
  printf '%s\n' "${times[@]}" | median
  printf '%s\n' "${mems[@]}" | median
  printf '%s\n' "${cpus[@]}" | median
  echo
}

if [[ $parts == *" jpeg "* ]]; then
printf '%-12s %-22s %-22s %-22s %-9s %-9s %s\n' kind muralto-convert "djpeg -bmp" "convert BMP3" vs-djpeg vs-convert "memory (goal)"
for kind in baseline progressive grayscale; do
  jpg=$cache/$kind.jpg
  read -r ours ours_m _ < <(measure "$tool" "$jpg" "$cache/out.bmp")
  read -r dj dj_m _ < <(measure djpeg -bmp -outfile "$cache/out.bmp" "$jpg")
  read -r im im_m _ < <(measure /usr/bin/convert "$jpg" "BMP3:$cache/out.bmp")
  "$tool" "$jpg" "$cache/out.bmp"
  file_kb=$(( $(stat -c %s "$jpg") / 1024 ))
  picture_kb=$(( ($(stat -c %s "$cache/out.bmp") - 54) / 1024 ))
  goal_kb=$(( (file_kb + picture_kb) * 11 / 10 ))
  awk -v k="$kind" -v o="$ours" -v om="$ours_m" -v d="$dj" -v dm="$dj_m" -v i="$im" -v imm="$im_m" -v g="$goal_kb" 'BEGIN {
    printf "%-12s %5.2f s %7.1f MB     %5.2f s %7.1f MB     %5.2f s %7.1f MB     %5.2fx    %5.2fx    %.1f MB (%.1f MB): %s\n",
      k, o, om/1024, d, dm/1024, i, imm/1024, o/d, o/i, om/1024, g/1024, (om <= g ? "met" : "NOT met") }'
done
# Grayscale wallpapers are quantized to 236 dithered levels, which plain
# djpeg -bmp does not do; the same work in djpeg for comparison:
read -r ours _ < <(measure "$tool" "$cache/grayscale.jpg" "$cache/out.bmp")
read -r dj _ < <(measure djpeg -bmp -colors 236 -outfile "$cache/out.bmp" "$cache/grayscale.jpg")
awk -v o="$ours" -v d="$dj" 'BEGIN {printf "grayscale against djpeg -bmp -colors 236 (the same quantization): %.2f s vs %.2f s, %.2fx\n", o, d, o/d}'
fi

# ours against decode only plus write only, per picture: natively one
# process per picture; under Wine, where starting a process costs more than
# the work, the difference between a process doing it REPEAT times and one
# doing it once, divided by REPEAT - 1. Arguments: the side ("native" or
# "wine"), the command prefix, the tool, the floor program and a path maker.
floor_table() {
  local side=$1 run=$2 conv=$3 flr=$4 path=$5 repeat=1
  [ "$side" = wine ] && repeat=4
  for kind in baseline progressive grayscale; do
    jpg=$cache/$kind.jpg
    "$tool" "$jpg" "$cache/out.bmp"
    bytes=$(stat -c %s "$cache/out.bmp")
    : >"$cache/once.list"
    printf '%s\t%s\t24\n' "$($path "$jpg")" "$($path "$cache/out.bmp")" >"$cache/once.list"
    for _ in $(seq "$repeat"); do cat "$cache/once.list"; done >"$cache/repeat.list"
    read -r ot om oc < <(measure $run "$conv" --batch "$($path "$cache/repeat.list")")
    read -r dt _ dc < <(measure $run "$flr" decode "$($path "$jpg")" "$repeat")
    read -r wt _ wc < <(measure $run "$flr" write "$bytes" "$($path "$cache/out.bmp")" "$repeat")
    local o1t=0 o1c=0 d1t=0 d1c=0 w1t=0 w1c=0
    if [ "$repeat" -gt 1 ]; then
      read -r o1t _ o1c < <(measure $run "$conv" --batch "$($path "$cache/once.list")")
      read -r d1t _ d1c < <(measure $run "$flr" decode "$($path "$jpg")" 1)
      read -r w1t _ w1c < <(measure $run "$flr" write "$bytes" "$($path "$cache/out.bmp")" 1)
    fi
    extra=""
    if [ "$side" = native ]; then
      read -r jt _ jc < <(measure djpeg -ppm -outfile /dev/null "$jpg")
      extra=$(printf '; djpeg -ppm to /dev/null %.3f s (cpu %.3f s)' "$jt" "$jc")
    fi
    awk -v side="$side" -v k="$kind" -v n="$repeat" -v om="$om" -v extra="$extra" \
        -v ot="$ot" -v oc="$oc" -v dt="$dt" -v dc="$dc" -v wt="$wt" -v wc="$wc" \
        -v o1t="$o1t" -v o1c="$o1c" -v d1t="$d1t" -v d1c="$d1c" -v w1t="$w1t" -v w1c="$w1c" 'BEGIN {
      d = n > 1 ? n - 1 : 1
      ot = (ot - o1t) / d; oc = (oc - o1c) / d; dt = (dt - d1t) / d; dc = (dc - d1c) / d
      wt = (wt - w1t) / d; wc = (wc - w1c) / d
      rt = ot / (dt + wt); rc = oc / (dc + wc)
      printf "%-6s %-12s ours %.3f s (cpu %.3f s)  decode only %.3f s (cpu %.3f s)  write only %.3f s (cpu %.3f s)  ours/(decode+write) %.2fx wall, %.2fx cpu (goal <= 1.2x: %s); peak %.1f MB%s\n",
        side, k, ot, oc, dt, dc, wt, wc, rt, rc, (rc <= 1.2 ? "met" : "NOT met"), om / 1024, extra }'
  done
}

# Bitmap pictures against reading the file and writing its bytes into a new
# one that replaces the old, per picture as above; the peak memory above the
# tool's own start (a run that fails at once on a missing picture).
bitmap_table() {
  # natively too a few times over: one copy takes a few clock ticks
  local side=$1 run=$2 conv=$3 flr=$4 path=$5 repeat=11
  read -r _ start_m _ < <(measure $run "$conv" "$($path "$cache/missing.bmp")" "$($path "$cache/out.bmp")")
  for kind in bmp24 rle8; do
    bmp=$cache/$kind.bmp
    printf '%s\t%s\t24\n' "$($path "$bmp")" "$($path "$cache/out.bmp")" >"$cache/once.list"
    for _ in $(seq "$repeat"); do cat "$cache/once.list"; done >"$cache/repeat.list"
    "$tool" "$bmp" "$cache/out.bmp"
    export KEEP=1
    read -r ot om oc < <(measure $run "$conv" --batch "$($path "$cache/repeat.list")")
    read -r ft _ fc < <(measure $run "$flr" copy "$($path "$bmp")" "$($path "$cache/out.bmp")" "$repeat")
    local o1t=0 o1c=0 f1t=0 f1c=0
    if [ "$repeat" -gt 1 ]; then
      read -r o1t _ o1c < <(measure $run "$conv" --batch "$($path "$cache/once.list")")
      read -r f1t _ f1c < <(measure $run "$flr" copy "$($path "$bmp")" "$($path "$cache/out.bmp")" 1)
    fi
    unset KEEP
    awk -v side="$side" -v k="$kind" -v n="$repeat" -v om="$om" -v sm="$start_m" -v mb="$(( $(stat -c %s "$bmp") / 1048576 ))" \
        -v ot="$ot" -v oc="$oc" -v ft="$ft" -v fc="$fc" -v o1t="$o1t" -v o1c="$o1c" -v f1t="$f1t" -v f1c="$f1c" 'BEGIN {
      d = n > 1 ? n - 1 : 1
      ot = (ot - o1t) / d; oc = (oc - o1c) / d; ft = (ft - f1t) / d; fc = (fc - f1c) / d
      printf "%-6s %-6s (%d MiB) ours %.3f s (cpu %.3f s)  copy with replacement %.3f s (cpu %.3f s)  %.2fx wall, %.2fx cpu (goal <= 1.1x: %s); peak %.1f MiB, %.1f MiB above the start (goal <= 16: %s)\n",
        side, k, mb, ot, oc, ft, fc, ot / ft, oc / fc, (oc <= 1.1 * fc ? "met" : "NOT met"), om / 1024, (om - sm) / 1024,
        ((om - sm) / 1024 <= 16 ? "met" : "NOT met") }'
  done
}

echo "against the floor (decode only + write only; bitmaps: copy only), medians of $runs runs:"
[[ $parts != *" jpeg "* ]] || floor_table native "" "$tool" "$floor" echo
[[ $parts != *" bitmap "* ]] || bitmap_table native "" "$tool" "$floor" echo

deps=${MURALTO_DEPS:-$build/deps}
[ -d "$deps" ] || deps=$here/build/deps
"$here/scripts/build-windows-deps" "$deps" "$wine_toolchain"
cmake -S "$here" -B "$build/bench-windows$wine_suffix" -DCMAKE_TOOLCHAIN_FILE="$wine_toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DMURALTO_DEPS="$deps" >>"$cache/build.log" 2>&1
cmake --build "$build/bench-windows$wine_suffix" --target muralto-convert conversion-floor -j"${JOBS:-2}" >>"$cache/build.log" 2>&1
export WINEPREFIX=${WINEPREFIX:-$build/bench-cache/wineprefix} WINEDEBUG=-all
winpath() { printf 'Z:%s' "$(echo "$1" | tr / '\\')"; }
# A first run makes the prefix. The floor's write replaces a file, which the
# device NUL cannot be: it writes one byte into the cache instead.
"$here/scripts/wine-run" "$build/bench-windows$wine_suffix/bench/conversion-floor.exe" write 1 "$(winpath "$cache/warm.bin")"
rm -f "$cache/warm.bin"
# One server for every run, so that each pays only its own start. The
# server of the run just above may still be lingering, and -p refuses to
# start while one runs: wait for it to end first.
wineserver -w
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
[[ $parts != *" jpeg "* ]] ||
  floor_table wine wine "$build/bench-windows$wine_suffix/tools/muralto-convert.exe" "$build/bench-windows$wine_suffix/bench/conversion-floor.exe" winpath
[[ $parts != *" bitmap "* ]] ||
  bitmap_table wine wine "$build/bench-windows$wine_suffix/tools/muralto-convert.exe" "$build/bench-windows$wine_suffix/bench/conversion-floor.exe" winpath
rm -f "$cache/out.bmp" "$cache/time.txt" "$cache/once.list" "$cache/repeat.list"
