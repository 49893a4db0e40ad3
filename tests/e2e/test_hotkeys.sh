#!/usr/bin/env bash
# The default global hotkeys while notepad has the keyboard and the console starts in the tray:
# Ctrl+Alt+Shift+F9, held by another program, is told in the balloon and the rest act (A up and down
# read back from the overlay, a PNG screenshot, full screen and back, the console back and active)
# while typing still reaches notepad. "全局快捷键" off and on again takes Ctrl+Alt+Shift+F9 once it is
# free: the tint goes off and on on the screen. Enabled=0 registers none.
source "$(dirname "$0")/lib.sh"

start_ini="$E2E_APP/Config/Start.ini"
write_ini "$start_ini" "[Start]" "Small=1"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=160" "R=255" "G=255" "B=0"

# hold FILE MODS VK ...: another program holding combinations (Ctrl+Alt is 3, Ctrl+Alt+Shift 7; hex
# codes); FILE gets a line "held" or "taken" for each.
hold() {
  (exec wine "$E2E_PROBE" hold "${@:2}" </dev/null >"$E2E_WORK/$1" 2>/dev/null) &
  HOLDER_PID=$!
  E2E_PIDS+=("$HOLDER_PID")
}
lines_are() { [ "$(tr -d '\r' <"$E2E_WORK/$1" | tr '\n' ' ')" = "$2" ]; }
hold t.txt 7 78
wait_until 20 "the other program holding Ctrl+Alt+Shift+F9" lines_are t.txt "held "
lock_over_notepad
notepad="$(field_handle "$NOTEPAD_LINE")"
console_left_is() { [ "$(field_rect "$(console_line)" | cut -d' ' -f1)" = "$1" ]; }
wait_until 10 "the console in the tray" console_left_is -1000
told() { balloon_text | grep -qx 'Ctrl+Alt+Shift+F9 已被其他程序占用'; }
wait_until 10 "the balloon naming Ctrl+Alt+Shift+F9" told

spot_x=$((EDIT_LEFT + 40)) spot_y=$((EDIT_BOTTOM - 40))
blue_at_spot() { local IFS=, b; read -r _ _ b <<<"$(pixel $spot_x $spot_y)"; [ "$b" "$1" "$2" ]; }
in_front() { [ "$(probe foreground)" = "$1" ]; }
alpha_is() { [ "$(field_layered "$(startup_line)" | cut -d' ' -f2)" = "$1" ]; }
click $spot_x $spot_y
wait_until 10 "notepad in front" in_front "$notepad"
# Once the lock has settled (long before notepad is clicked) the overlay shows the console's A.
alpha_is 160 || fail "the overlay at $(field_layered "$(startup_line)" | cut -d' ' -f2), not at the console's A=160"
type_keys ctrl+alt+shift+F8
wait_until 5 "A 176 after Ctrl+Alt+Shift+F8" alpha_is 176
type_keys ctrl+alt+shift+F7
wait_until 5 "A 160 after Ctrl+Alt+Shift+F7" alpha_is 160
type_keys ctrl+alt+shift+F10
wait_until 15 "1.png" test -s "$E2E_APP/Images/1.png"
expect_eq "the hotkey's screenshot" "$(identify -format '%m %w %h' "$E2E_APP/Images/1.png")" \
  "PNG $((EDIT_RIGHT - EDIT_LEFT)) $((EDIT_BOTTOM - EDIT_TOP))"
type_keys ctrl+alt+shift+F11
wait_until 5 "the overlay on the whole screen" startup_rect_is "0 0 $TINTORA_SCREEN_WIDTH $TINTORA_SCREEN_HEIGHT"
type_keys ctrl+alt+shift+F11
wait_until 5 "the overlay back on notepad" startup_rect_is "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"
xdotool type --delay 120 "keys"
text_is() { [ "$(probe text "$(field_handle "$NOTEPAD_EDIT_LINE")")" = "$1" ]; }
wait_until 5 "typing in notepad after the hotkeys" text_is keys
in_front "$notepad" || fail "a hotkey took the keyboard from notepad"
type_keys ctrl+alt+shift+F6
wait_until 5 "the console back on the screen" console_left_is $(((TINTORA_SCREEN_WIDTH - 500) / 2))
wait_until 5 "the console active" in_front "$(field_handle "$(console_line)")"

# "选项" → "全局快捷键" by keyboard, off and, once the other program has ended, on again.
type_keys F10 Right Right Down Down Down Return
wait_until 5 "Enabled=0" ini_is "$start_ini" Hotkeys Enabled 0
kill "$HOLDER_PID"
wait "$HOLDER_PID" 2>/dev/null || true
type_keys F10 Right Right Down Down Down Return
wait_until 5 "Enabled=1" ini_is "$start_ini" Hotkeys Enabled 1
click $spot_x $spot_y
wait_until 10 "notepad in front again" in_front "$notepad"
wait_until 10 "the tint over notepad" blue_at_spot -lt 160
type_keys ctrl+alt+shift+F9
wait_until 5 "the tint off" blue_at_spot -gt 240
type_keys ctrl+alt+shift+F9
wait_until 5 "the tint on again" blue_at_spot -lt 160
in_front "$notepad" || fail "tint off and on took the keyboard from notepad"

kill "$TINTORA_PID"
no_tintora() { ! has_window Tintorav2.0; }
wait_until 10 "Tintora gone" no_tintora
write_ini "$start_ini" "[Hotkeys]" "Enabled=0"
start_tintora
wait_for_startup_window
hold none.txt 7 78 7 77 7 76 7 79 7 7A 7 75
wait_until 20 "all six free with Enabled=0" lines_are none.txt "held held held held held held "
pass
