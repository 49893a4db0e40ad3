#!/usr/bin/env bash
# Makes docs/hotkeys.png, the picture of the README's Hotkeys section: the real tintora.exe under
# Wine on a virtual display, locked over a notepad beside the console, with the console's "选项"
# menu open on "全局快捷键". It drives the program with the end-to-end tests' steps (tests/e2e/lib.sh)
# in a Wine environment of its own under build/picture, which it stops at the end.
#
#   scripts/make-hotkeys-picture.sh [--no-build]
set -euo pipefail

picture_name=hotkeys.png env_name=picture layout=single
# shellcheck source=picture-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/picture-env.sh"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=110" "R=255" "G=150" "B=40"
start_notepad 30 150 560 420
read -r l t _ b <<<"$(field_rect "$NOTEPAD_EDIT_LINE")"
click $((l + 20)) $((t + 20))
xdotool type --delay 40 $'A game holds the keyboard, and still:\n\nCtrl+Alt+Shift+F9  tint off / on\nCtrl+Alt+Shift+F8 / F7  stronger / weaker\nCtrl+Alt+Shift+F10  screenshot\nCtrl+Alt+Shift+F11  full screen / window\nCtrl+Alt+Shift+F6  the console\n'
lock_over_running_notepad

# The console beside notepad, its "选项" menu open on "全局快捷键".
tinted() { local IFS=, blue; read -r _ _ blue <<<"$(pixel $((l + 300)) $((b - 30)))"; [ "$blue" -lt 200 ]; }
wait_until 10 "the tint over notepad" tinted
read -r cl ct cr cb <<<"$(field_rect "$(console_line)")"
probe move "$(field_handle "$(console_line)")" 610 150 $((cr - cl)) $((cb - ct))
console_at() { [ "$(field_rect "$(console_line)" | cut -d' ' -f1-2)" = "610 150" ]; }
wait_until 10 "the console beside notepad" console_at
press_console F10 Right Right Down Down Down
wait_until 10 "the open menu" has_class '#32768'
sleep 0.5

read -r _ _ cr cb <<<"$(field_rect "$(console_line)")"
bottom=$(( cb > 570 ? cb : 570 ))
import -window root -crop "$((cr + 20 - 10))x$((bottom + 20 - 130))+10+130" +repage -colors 64 "PNG8:$picture"
echo "$picture: $(identify -format '%w x %h' "$picture"), $(stat -c %s "$picture") bytes"
