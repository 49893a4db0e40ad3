# The start every picture script shares, sourced after it sets `picture_name` (the file under docs/),
# `env_name` (its Wine environment under build/) and `layout` (single or displays): builds the exe
# and the probe unless --no-build is given, starts the environment, sources the end-to-end tests'
# steps and stops it all at the end. Leaves `root` and `picture` set.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
if [ "${1:-}" != "--no-build" ]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tintora e2e_probe
fi

env_dir="$root/build/$env_name"
picture="$root/docs/$picture_name"
bash scripts/wine-env.sh start "$env_dir" "$layout" >/dev/null
export TINTORA_WINE_ENV="$env_dir/wine-env.sh.env" E2E_WORK="$env_dir/work"
# shellcheck source=../tests/e2e/lib.sh
source tests/e2e/lib.sh build/windows/src/tintora.exe build/windows/tests/e2e_probe.exe
trap 'cleanup; bash "$root/scripts/wine-env.sh" stop "$env_dir"' EXIT
