#!/usr/bin/env bash
# Times PNG screenshots of a 1280x1024 region: Tintora's capture and encoder under Wine against
# ImageMagick's `import -window root` on the same virtual display, and prints both medians.
#
#   scripts/bench-screenshot.sh [build folder] [count]
#
# Builds the windows preset (default build folder build/windows) and uses the Wine environment of
# scripts/wine-env.sh there; an environment started here is stopped again at the end.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${1:-$root/build/windows}"
count="${2:-20}"
width=1280
height=1024
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"

[ -f "$dir/CMakeCache.txt" ] || cmake --preset windows -B "$dir" >/dev/null
cmake --build "$dir" --target screenshot_bench >/dev/null
exe="$dir/bench/screenshot_bench.exe"

started=""
if ! "$root/scripts/wine-env.sh" status "$dir" >/dev/null 2>&1; then
  "$root/scripts/wine-env.sh" start "$dir" >/dev/null
  started=yes
fi
stop_env() { [ -z "$started" ] || "$root/scripts/wine-env.sh" stop "$dir"; }
trap stop_env EXIT
# shellcheck disable=SC1091
source "$dir/wine-env.sh.env"

result="$(wine "$exe" "$count" 0 0 "$width" "$height" </dev/null 2>/dev/null | tr -d '\r')"
echo "tintora: $result"
tintora_ms="$(sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"$result")"
[ -n "$tintora_ms" ] || { echo "the benchmark program failed" >&2; exit 1; }

times=()
for _ in $(seq "$count"); do
  start=$(date +%s%N)
  import -window root -crop "${width}x${height}+0+0" +repage "png:$dir/import.png"
  times+=("$(( ($(date +%s%N) - start) / 1000 ))")
done
import_ms="$(printf '%s\n' "${times[@]}" | sort -n |
  awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.2f", m / 1000 }')"
echo "import: median_ms=$import_ms (whole process, $(identify -format '%wx%h' "$dir/import.png") PNG)"
awk -v a="$tintora_ms" -v b="$import_ms" -v n="$count" -v w="$width" -v h="$height" 'BEGIN {
  printf "median of %d PNG screenshots of %dx%d: tintora %.2f ms, import %.2f ms, ratio tintora/import %.2f\n",
    n, w, h, a, b, a / b }'
