#!/usr/bin/env bash
# Fuzzes the PNG decoder with libFuzzer for a bounded time, seeded with the project's pictures and
# small PNGs of every kind made here with ImageMagick. Exits non-zero when an input crashes the
# decoder, trips a sanitizer or makes it allocate too much; that input is kept in
# <fuzzer's folder>/fuzz-png/findings/ and replays with: <fuzzer> <input>.
#
# Usage: scripts/fuzz-png.sh <png_fuzz binary> <seconds> [libFuzzer options...]
# Options given here come last and win, e.g. -seed=0 for a random seed.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 <png_fuzz binary> <seconds> [libFuzzer options...]" >&2; exit 2; }
fuzzer="$(realpath "$1")"
seconds="$2"
options=("${@:3}")

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(dirname "$fuzzer")/fuzz-png"
# A fresh corpus each run keeps a run reproducible from its seed.
rm -rf "$work/seeds" "$work/corpus"
mkdir -p "$work/seeds" "$work/corpus" "$work/findings"

# seed <file> <format> <convert arguments...>: one small picture for the seed corpus. Dates are
# left out so that the files are the same on every run.
seed() {
  local file="$1" format="$2"
  shift 2
  /usr/bin/convert "$@" -define png:exclude-chunks=date,tIME "$format:$work/seeds/$file"
}
# Every colour type, 2- to 16-bit samples, a palette with and without transparency, interlacing,
# and plain and compressed text chunks after the pixel data.
export MAGICK_THREAD_LIMIT=1
seed palette.png PNG8 -size 16x12 gradient:'#fc02fb-#123456' -colors 12 -define png:bit-depth=4
seed palette-trns.png PNG8 -size 9x7 xc:white -fill red -draw 'point 2,2' -transparent white
seed grey2.png PNG -size 13x9 gradient: -define png:color-type=0 -define png:bit-depth=2
seed grey8.png PNG -size 13x9 gradient: -define png:color-type=0 -define png:bit-depth=8
seed grey-alpha.png PNG -size 11x8 gradient:black-none -define png:color-type=4
seed rgb16.png PNG48 -size 10x6 gradient:'#fc02fb-#00ff80' -depth 16
seed rgba16.png PNG64 -size 10x6 gradient:'#fc02fb-#00ff8000' -depth 16
seed interlaced.png PNG24 -size 17x17 gradient:'#fc02fb-#00ff80' -interlace PNG
seed text.png PNG24 -size 8x8 gradient:'#fc02fb-#000000' -set comment Tintora -set label tint
seed ztext.png PNG32 -size 8x8 gradient:'#fc02fb-#000000' -set comment "$(printf 'compressed text %.0s' {1..60})"
cp "$root"/resources/*.png "$work/seeds/"

# Memory: no single allocation over 64 MB (the target checks the total itself).
exec "$fuzzer" -seed=1 -max_total_time="$seconds" -malloc_limit_mb=64 -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "${options[@]}" "$work/corpus" "$work/seeds"
