#!/usr/bin/env bash
# Makes docs/monitors.png, the picture of the README's "Several monitors" section: the real
# tintora.exe under Wine on the two-monitor display, each monitor with a remembered tint of its own
# colour over a notepad. It drives the program with the end-to-end tests' steps (tests/e2e/lib.sh)
# in a Wine environment of its own under build/picture-displays, which it stops at the end.
#
#   scripts/make-monitors-picture.sh [--no-build]
set -euo pipefail

picture_name=monitors.png env_name=picture-displays layout=displays
# shellcheck source=picture-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/picture-env.sh"

# A notepad across the two monitors' edge, the entries of Remembered.ini each on its own monitor.
{
  printf '%s\r\n' "[Monitor1]" 'Device=\\.\DISPLAY2' "Place=-1920,0" "A=120" "R=255" "G=140" "B=0"
  printf '%240s%s\r\n' "" "[Monitor2]" "" 'Device=\\.\DISPLAY1' "" "Place=0,0" "" "A=60" "" "R=0" "" "G=90" "" "B=255"
} >"$E2E_WORK/Remembered.txt"
start_program "$E2E_WORK" notepad Remembered.txt
wait_until 20 "notepad's window" has_class Notepad
probe move "$(field_handle "$(class_line Notepad)")" -900 150 1800 420
wait_until 10 "notepad across the monitors" class_rect_is Notepad "-900 150 900 570"

# The colours as "记住此显示器的颜色" writes them; Tintora starts quietly, in the tray.
write_ini "$E2E_APP/Config/Remembered.ini" "[Monitor1]" 'Device=\\.\DISPLAY2' "Place=-1920,0" "A=120" "R=255" \
  "G=140" "B=0" "[Monitor2]" 'Device=\\.\DISPLAY1' "Place=0,0" "A=60" "R=0" "G=90" "B=255"
start_program "$E2E_APP" tintora.exe /tray
tint_count() { probe windows | awk -F'\t' '$2 == "TintoraTint"' | grep -c .; }
two_tints() { [ "$(tint_count)" = 2 ]; }
wait_until 20 "a tint on each monitor" two_tints
sleep 1

# Both monitors' sides of the notepad: Windows' 0,0 lies at the X root's origin.
read -r x0 y0 <<<"$TINTORA_X_ORIGIN"
import -window root -crop "1920x520+$((x0 - 960))+$((y0 + 100))" +repage -resize 80% -colors 96 "PNG8:$picture"
echo "$picture: $(identify -format '%w x %h' "$picture"), $(stat -c %s "$picture") bytes"
