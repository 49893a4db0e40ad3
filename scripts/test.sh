#!/usr/bin/env bash
# The one test command: installs what is missing, builds the four builds (native,
# fuzz, Windows with symbols, and the release exe users get), runs the native
# tests, the PNG decoder's fuzz target for a bounded time, then the Windows tests
# (backend and end-to-end) under Wine on a virtual display with one monitor, then
# the Windows tests of several monitors on a display with two monitors at 144 DPI,
# and closes with one line counting every run:
#   N% tests passed, F tests failed out of T
# Exits non-zero when anything failed. Logs go to build/.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mkdir -p build

step() { printf '\n=== %s\n' "$*"; }

failed_steps=()
total=0
failed=0
ran=0

# ctest_run <preset>: runs ctest, adds its counts to the totals.
ctest_run() {
  local preset="$1" log="build/ctest-$1.log" rc line t f
  ctest --preset "$preset" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)"
  if [ -n "$line" ]; then
    f="$(sed -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")"
    t="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")"
    total=$((total + t))
    failed=$((failed + f))
    ran=1
  fi
  if [ "$rc" -ne 0 ]; then
    failed_steps+=("ctest $preset (exit $rc)")
  fi
}

step "dependencies"
if ! bash scripts/install-deps.sh; then
  echo "test.sh: installing dependencies failed" >&2
  exit 1
fi

step "layering of src/"
if ! bash scripts/check-includes.sh; then
  failed_steps+=("layering of src/")
fi

step "each part's state used only by its part"
if ! bash scripts/check-state-owners.sh; then
  failed_steps+=("state used outside its part")
fi

built=()
for preset in native fuzz windows release; do
  step "configure and build: $preset"
  if cmake --preset "$preset" && cmake --build --preset "$preset"; then
    built+=("$preset")
  else
    failed_steps+=("build $preset")
  fi
done

if [[ " ${built[*]} " == *" native "* ]]; then
  step "tests: native"
  ctest_run native
fi

if [[ " ${built[*]} " == *" fuzz "* ]]; then
  step "tests: PNG decoder fuzzing"
  ctest_run fuzz
fi

env_started=""
stop_env() {
  if [ -n "$env_started" ]; then
    bash scripts/wine-env.sh stop "$env_started" || true
    env_started=""
  fi
}
trap stop_env EXIT
trap 'stop_env; exit 130' INT TERM

# wine_run <folder> <layout> <preset>: runs a test preset in a Wine environment.
wine_run() {
  local folder="$1" layout="$2" preset="$3"
  # An environment someone started by hand is reused and left running.
  if ! bash scripts/wine-env.sh status "$folder" >/dev/null 2>&1; then
    env_started="$folder"
  fi
  if bash scripts/wine-env.sh start "$folder" "$layout" >/dev/null; then
    export TINTORA_WINE_ENV="$root/$folder/wine-env.sh.env"
    ctest_run "$preset"
  else
    failed_steps+=("start the Wine environment $layout")
  fi
  stop_env
}

if [[ " ${built[*]} " == *" windows "* ]]; then
  step "tests: windows (under Wine)"
  wine_run build/windows single windows
  step "tests: windows on two monitors at 144 DPI (under Wine)"
  wine_run build/windows/displays displays windows-displays
fi

echo
for s in "${failed_steps[@]}"; do echo "test.sh: failed: $s"; done
if [ "$ran" -eq 0 ] || [ "$total" -eq 0 ]; then
  echo "test.sh: no tests ran"
  exit 1
fi
passed=$((total - failed))
# Rounded like CTest, and never 100% while something failed.
percent=$(( (passed * 200 + total) / (total * 2) ))
if [ "$failed" -gt 0 ] && [ "$percent" -gt 99 ]; then percent=99; fi
[ "${#failed_steps[@]}" -eq 0 ] && [ "$failed" -eq 0 ]
status=$?
echo "${percent}% tests passed, ${failed} tests failed out of ${total}"
exit $status
