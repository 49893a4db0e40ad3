#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine, to look at it.
#
#   scripts/run.sh [--no-build] [arguments for tintora.exe]
#
# On the current X display when $DISPLAY answers, otherwise on a virtual
# display of its own. After a few seconds it saves a screenshot of that display
# to build/screenshot.png, then keeps the program running until it exits or
# Ctrl+C, and cleans up. The program runs from build/run/app (its settings
# files stay there between runs) with its own Wine prefix in build/run, apart
# from the one the tests use.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

build=1
if [ "${1:-}" = "--no-build" ]; then build=0; shift; fi

if [ $build -eq 1 ]; then
  bash scripts/install-deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tintora
fi

exe="$(find build/windows -name tintora.exe -not -path '*/CMakeFiles/*' -not -path '*/e2e-work/*' \
  -printf '%T@ %p\n' 2>/dev/null | sort -rn | head -n1 | cut -d' ' -f2-)"
[ -n "$exe" ] || { echo "run.sh: tintora.exe not found under build/windows" >&2; exit 1; }

run_dir="$root/build/run"
app_dir="$run_dir/app"
mkdir -p "$app_dir"
cp -f "$exe" "$app_dir/tintora.exe"
shot="$root/build/screenshot.png"

virtual=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run.sh: using display $DISPLAY"
  bash scripts/wine-env.sh prepare "$run_dir" >/dev/null
  export WINEPREFIX="$run_dir/wineprefix" WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=C.UTF-8
else
  echo "run.sh: no reachable display; starting a virtual one"
  bash scripts/wine-env.sh start "$run_dir" >/dev/null
  virtual=1
  # shellcheck disable=SC1091
  . "$run_dir/wine-env.sh.env"
fi

app_pid=""
cleanup() {
  trap - EXIT INT TERM
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  # Ends the Wine processes of this prefix only.
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ $virtual -eq 1 ]; then bash scripts/wine-env.sh stop "$run_dir" || true; fi
}
trap cleanup EXIT
trap 'echo; echo "run.sh: stopping"; exit 0' INT TERM

(cd "$app_dir" && exec wine tintora.exe "$@" </dev/null >>"$run_dir/wine.log" 2>&1) &
app_pid=$!
echo "run.sh: started $exe (Wine output in build/run/wine.log)"

# Give the program time to show its windows.
for _ in $(seq 40); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
sleep 3
if ! kill -0 "$app_pid" 2>/dev/null; then
  wait "$app_pid" && rc=0 || rc=$?
  app_pid=""
  echo "run.sh: tintora.exe exited early with code $rc; see build/run/wine.log" >&2
fi
import -window root "$shot"
echo "run.sh: screenshot of $DISPLAY saved to build/screenshot.png"
echo "        look at it with: display build/screenshot.png   (or any image viewer)"
[ $virtual -eq 0 ] || echo "        a new one: DISPLAY=$DISPLAY import -window root build/screenshot.png"
[ -n "$app_pid" ] || exit 1

echo "run.sh: running; press Ctrl+C to stop"
wait "$app_pid" || true
app_pid=""
