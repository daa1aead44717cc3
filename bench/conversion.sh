#!/usr/bin/env bash
# bench/conversion.sh BUILD [RUNS]
# A 6000 x 4000 picture (baseline, progressive, grayscale JPEG) into a BMP
# wallpaper file: muralto-convert (native Release build, no sanitizers)
# against djpeg -bmp (same library, same settings) and ImageMagick's
# convert in.jpg BMP3:out.bmp. Wall-time medians and peak memory of RUNS runs
# (default 5), with the ratios and goals. Pictures are cached in
# BUILD/bench-cache/conversion.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
runs=${2:-5}
cache=$build/bench-cache/conversion
mkdir -p "$cache"

cmake -S "$here" -B "$build/bench-native" -DCMAKE_BUILD_TYPE=Release -DMURALTO_SANITIZE=OFF >"$cache/build.log" 2>&1
cmake --build "$build/bench-native" --target muralto-convert -j"${JOBS:-2}" >>"$cache/build.log" 2>&1
tool=$build/bench-native/tools/muralto-convert

if [ ! -f "$cache/pictures.stamp" ]; then
  /usr/bin/convert -seed 42 -size 6000x4000 plasma:fractal -blur 0x1 "$cache/source.ppm"
  cjpeg -quality 85 "$cache/source.ppm" >"$cache/baseline.jpg"
  cjpeg -quality 85 -progressive "$cache/source.ppm" >"$cache/progressive.jpg"
  cjpeg -quality 85 -grayscale "$cache/source.ppm" >"$cache/grayscale.jpg"
  rm -f "$cache/source.ppm"
  touch "$cache/pictures.stamp"
fi

# median of the wall times and of the peak resident sizes (KB) of runs
measure() {
  local out=$cache/out.bmp times=() mems=()
  for _ in $(seq "$runs"); do
    rm -f "$out"
    /usr/bin/time -f "%e %M" -o "$cache/time.txt" "$@" >/dev/null 2>&1
    read -r t m <"$cache/time.txt"
    times+=("$t"); mems+=("$m")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%s ", a[int((NR+1)/2)]}'
  printf '%s\n' "${mems[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

printf '%-12s %-22s %-22s %-22s %-9s %-9s %s\n' kind muralto-convert "djpeg -bmp" "convert BMP3" vs-djpeg vs-convert "memory (goal)"
for kind in baseline progressive grayscale; do
  jpg=$cache/$kind.jpg
  read -r ours ours_m < <(measure "$tool" "$jpg" "$cache/out.bmp")
  read -r dj dj_m < <(measure djpeg -bmp -outfile "$cache/out.bmp" "$jpg")
  read -r im im_m < <(measure /usr/bin/convert "$jpg" "BMP3:$cache/out.bmp")
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
rm -f "$cache/out.bmp" "$cache/time.txt"
