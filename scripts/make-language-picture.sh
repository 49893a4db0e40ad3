#!/usr/bin/env bash
# Makes docs/console-languages.png, the README's picture of the console in Chinese beside the
# console in English: the real tintora.exe under Wine on a virtual display, locked over a notepad,
# before and after "选项" → "English". It drives the program with the end-to-end tests' steps
# (tests/e2e/lib.sh) in a Wine environment of its own under build/picture, which it stops at the end.
#
#   scripts/make-language-picture.sh [--no-build]
set -euo pipefail

picture_name=console-languages.png env_name=picture layout=single
# shellcheck source=picture-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/picture-env.sh"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=110" "R=255" "G=150" "B=40"
lock_over_notepad

# The console's whole window, its frame included.
shoot_console() {
  local l t r b
  read -r l t r b <<<"$(field_rect "$(console_line)")"
  import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage "$1"
}
says() { probe children "$(field_handle "$(console_line)")" | cut -f2,3 | grep -qxF "$1"; }
shoot_console "$E2E_WORK/chinese.png"
# The console widens for the wider English captions.
console_width() { field_rect "$(console_line)" | awk '{ print $3 - $1 }'; }
chinese_width="$(console_width)"
press_console alt Right Right Down Up Return
widened() { [ "$(console_width)" != "$chinese_width" ]; }
wait_until 10 "the English console" says $'Button\tSave colour'
wait_until 10 "the console widened" widened
sleep 0.5
shoot_console "$E2E_WORK/english.png"
convert "$E2E_WORK/chinese.png" \( "$E2E_WORK/english.png" -background white -gravity east -splice 20x0 \) \
  -background white -gravity north +append +repage -colors 64 "PNG8:$picture"
echo "$picture: $(identify -format '%w x %h' "$picture"), $(stat -c %s "$picture") bytes"
