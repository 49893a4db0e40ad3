#!/usr/bin/env bash
# The benchmark command: the costs a user feels, each measured beside its reference in the same
# run, sample by sample, and printed as one table (median and min-max of each side, their ratio or
# difference, and the target).
#
#   scripts/bench.sh [--rounds N] [--idle-seconds S]
#
# Run it after scripts/test.sh, which builds the bench programs; what is missing is built here.
# Tintora is the release exe, as users get it (build/release); the bench programs come from
# build/windows. It uses the Wine environment of build/windows (started here if none runs, and then
# stopped at the end) and keeps the raw samples in build/bench-samples.txt. Defaults: 3 rounds, 60 s
# of idle time per idle sample (eight per round), about 27 minutes in all.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
rounds=3
idle_seconds=60
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --idle-seconds) idle_seconds="$2"; shift 2 ;;
    *) echo "usage: scripts/bench.sh [--rounds N] [--idle-seconds S]" >&2; exit 2 ;;
  esac
done
if [ "$rounds" -lt 1 ] || [ "$idle_seconds" -lt 1 ]; then
  echo "bench: rounds and seconds must be positive" >&2
  exit 2
fi

native=build/native windows=build/windows
for preset in native windows release; do
  [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
done
cmake --build --preset native --target key_to_screen >/dev/null
cmake --build --preset windows --target e2e_probe tintora_bench bare_timers bare_paint bare_controls >/dev/null
cmake --build --preset release >/dev/null

started=""
if ! scripts/wine-env.sh status "$windows" >/dev/null 2>&1; then
  scripts/wine-env.sh start "$windows" >/dev/null
  started=yes
fi
stop_env() { [ -z "$started" ] || scripts/wine-env.sh stop "$windows"; }
trap stop_env EXIT
export TINTORA_WINE_ENV="$root/$windows/wine-env.sh.env"

samples=build/bench-samples.txt
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
bash bench/measure.sh build/release/src/tintora.exe "$windows/tests/e2e_probe.exe" "$windows/bench" \
  "$native/bench/key_to_screen" "$rounds" "$idle_seconds" >"$samples"
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

read -r _ overlay_width overlay_height < <(grep '^overlay ' "$samples")
echo
echo "Tintora under Wine, $(date -u '+%Y-%m-%d %H:%M UTC'), $rounds rounds, ${idle_seconds} s idle samples," \
  "load average $load_before before, $load_after after."
# shellcheck disable=SC1090
screen="$(. "$TINTORA_WINE_ENV" && echo "${TINTORA_SCREEN_WIDTH}x$TINTORA_SCREEN_HEIGHT")"
echo "Each cell: median (min-max). Overlay ${overlay_width}x$overlay_height over notepad, screen $screen."
echo

# One row per line: label | measurement | reference label | reference | unit | ratio or diff | target
# (a ratio's upper bound, or a difference's upper bound in MB; "-" for none, as in the rows that
# are there for information).
read -r _ tint_pixels < <(grep '^tint-pixels [1-9]' "$samples")
# Three remembered tints: Wine's surfaces of their size, and 300 KB a tint beyond them.
tints_mb="$(awk -v n="$tint_pixels" 'BEGIN { printf "%.2f", n * 4 / 1048576 + 0.9 }')"
awk -F'|' -v samples="$samples" '
  function median(n, v,   i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function number(x, unit) {
    if (unit == "MB") return sprintf("%.1f", x)
    if (unit == "%") return sprintf("%.2f", x)
    return x < 1 ? sprintf("%.3f", x) : x < 100 ? sprintf("%.2f", x) : sprintf("%.0f", x)
  }
  # The cell of a measurement; sets mid[name].
  function cell(name, unit,   n, v, w, i, k) {
    n = split(values[name], v, " ")
    if (n == 0) { mid[name] = ""; return "not measured" }
    k = 0
    for (i = 1; i <= n; i++) if (v[i] != "") w[++k] = v[i] + 0
    mid[name] = median(k, w)
    lo = w[1]; hi = w[k]
    return number(mid[name], unit) " " unit " (" number(lo, unit) "-" number(hi, unit) ")"
  }
  BEGIN {
    while ((getline line < samples) > 0) {
      n = split(line, f, " ")
      for (i = 2; i <= n; i++) values[f[1]] = values[f[1]] " " f[i]
    }
    print "| measurement | Tintora | reference | ratio | target |"
    print "|---|---|---|---|---|"
  }
  {
    label = $1; name = $2; reference_label = $3; reference = $4; unit = $5; kind = $6; target = $7
    mine = cell(name, unit)
    theirs = reference == "-" ? "" : reference_label ": " cell(reference, unit)
    if (reference == "-") theirs = reference_label
    comparison = "-"; verdict = "-"
    if (reference != "-" && mid[name] != "" && mid[reference] != "") {
      if (kind == "ratio" && mid[reference] > 0) {
        value = mid[name] / mid[reference]; comparison = sprintf("%.2f", value)
      } else if (kind == "diff") {
        value = mid[name] - mid[reference]; comparison = sprintf("%+.1f MB", value)
      }
      if (target != "-" && comparison != "-")
        verdict = (kind == "diff" ? "<= +" target " MB: " : "<= " target ": ") (value <= target ? "met" : "missed")
    }
    printf "| %s | %s | %s | %s | %s |\n", label, mine, theirs, comparison, verdict
  }
' <<EOF
colour slider step, real key to changed pixel on the screen|slider-step|notepad echoing a key|echo|ms|ratio|2.5
paint of one tint in process: paintTint and its WM_PAINT|paint|bare layered window of the same size filling itself with a brush in WM_PAINT|paint-bare|ms|ratio|2
  of which paintTint|paint-tint|the same bare window's paint|paint-bare|ms|ratio|-
  the same paint, for information|paint|memset of the overlay's visible bytes|paint-memset|ms|ratio|-
screenshot grab|grab|BitBlt alone into a kept bitmap|grab-reference|ms|ratio|1.15
  first grab at a new size, for information|grab-first|the same BitBlt|grab-reference|ms|ratio|-
  of which the screen's DC, for information|grab-screen-dc|the same BitBlt|grab-reference|ms|ratio|-
  of which the monitor list, for information|grab-monitors|the same BitBlt|grab-reference|ms|ratio|-
  of which the pass into the picture, for information|grab-pass|the same BitBlt|grab-reference|ms|ratio|-
BMP screenshot: grab and encode|shot-bmp|import, BMP|import-bmp|ms|ratio|-
  of which encode|encode-bmp|-|-|ms|-|-
JPEG screenshot: grab and encode|shot-jpeg|import, JPEG|import-jpeg|ms|ratio|-
  of which encode|encode-jpeg|-|-|ms|-|-
GIF screenshot: grab and encode|shot-gif|import, GIF|import-gif|ms|ratio|-
  of which encode|encode-gif|-|-|ms|-|-
PNG screenshot: grab and encode|shot-png|import, PNG|import-png|ms|ratio|-
  of which encode|encode-png|-|-|ms|-|-
smart-snap tick|snap-tick|WindowFromPoint + GetWindowRect|snap-reference|ms|ratio|-
idle CPU (process + wineserver), locked, console in front|idle-console|bare program, same windows and timers|bare-idle-console|%|ratio|1.0
idle CPU (process + wineserver), locked, notepad in front|idle-notepad|bare program, same windows and timers|bare-idle-notepad|%|ratio|1.0
wake-ups a second (the process's context switches), locked, console in front|wakeups-idle-console|bare program, same windows and timers|wakeups-bare-idle-console|/s|ratio|0.5
idle CPU, console in front, following its window|idle-following|following off|idle-console|%|ratio|1.2
idle CPU, opening screen, three remembered tints shown|idle-remembered|none|idle-opening|%|ratio|1.2
steady memory (RSS), locked|rss|bare program, same windows, sliders, labels and button in the same fonts|bare-rss|MB|diff|4
steady memory, opening screen, three remembered tints (their surfaces + 300 KB a tint)|rss-remembered|none|rss-opening|MB|diff|$tints_mb
peak memory (VmHWM) after one screenshot per format|hwm|the same bare program|bare-hwm|MB|diff|-
EOF
echo
echo "Raw samples: $samples"
