#!/usr/bin/env bash
# "记住此窗口的颜色" (Shift+F6) over notepad's text area: after a restart, at the opening screen,
# notepad's text area has a tint of its own in the remembered colour, which follows a drag, hides
# while notepad is minimised, goes when notepad closes and comes back with a new notepad; a second
# notepad gets a second tint. "忘记此窗口的颜色" (Shift+F7) takes them away for good.
source "$(dirname "$0")/lib.sh"

remembered="$E2E_APP/Config/Remembered.ini"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=255" "G=255" "B=0"

tint_lines() { probe windows | awk -F'\t' '$2 == "TintoraTint"'; }
tint_rects() { tint_lines | cut -f4 | sort; }
tint_count() { tint_lines | grep -c . || true; }
tints_are() { [ "$(tint_rects | paste -sd,)" = "$1" ]; }
no_tints() { [ "$(tint_count)" = 0 ]; }
edit_of() { field_rect "$(child_line "$1" Edit)"; }
notepad_rect_of() { probe windows | awk -F'\t' -v h="$1" '$1 == h' | cut -f4; }
notepad_handles() { probe windows | awk -F'\t' '$2 == "Notepad"' | cut -f1; }
notepad_count_is() { [ "$(notepad_handles | grep -c .)" = "$1" ]; }
yellow_at() { local IFS=,; read -r r g b <<<"$(pixel "$1" "$2")"; [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt 130 ]; }
no_tintora() { ! has_window Tintorav2.0; }
restart_tintora() {
  kill "$TINTORA_PID"
  wait_until 10 "Tintora gone" no_tintora
  start_tintora
  wait_for_startup_window
}

lock_over_notepad
press_console shift+F6
wait_until 10 "notepad's text area in Remembered.ini" ini_is "$remembered" Window1 Level1 "0 Edit"
expect_eq "program" "$(ini_value "$remembered" Window1 Program | tr A-Z a-z)" notepad.exe
expect_eq "class" "$(ini_value "$remembered" Window1 Class)" Notepad
expect_eq "colour" "$(for k in A R G B; do ini_value "$remembered" Window1 $k; done | paste -sd' ')" "200 255 255 0"
expect_eq "tints while the overlay is locked onto notepad" "$(tint_count)" 0

# At the opening screen after a restart: the tint of its own, yellow over the text area.
restart_tintora
notepad="$(field_handle "$NOTEPAD_LINE")"
wait_until 5 "a tint on notepad's text area" tints_are "$(edit_of "$notepad")"
expect_eq "tint opacity" "$(field_layered "$(tint_lines)" | cut -d' ' -f2)" 200
wait_until 10 "the yellow tint at the opening screen" yellow_at $((EDIT_LEFT + 20)) $((EDIT_TOP + 20))

# Dragged by its title bar with the real mouse, notepad takes its tint along.
read -r l t r _ <<<"$(notepad_rect_of "$notepad")"
move_pointer $(((l + r) / 2)) $((t + 10))
xdotool mousedown 1
for i in 1 2 3 4 5 6 7 8; do move_pointer $(((l + r) / 2 - 15 * i)) $((t + 10 + 8 * i)); done
xdotool mouseup 1
wait_until 10 "notepad dragged" test "$(notepad_rect_of "$notepad" | cut -d' ' -f1)" != "$l"
wait_until 5 "the tint on the moved text area" tints_are "$(edit_of "$notepad")"

# Minimised, restored, closed, started again.
probe syscommand "$notepad" minimize
wait_until 5 "the tint hidden with notepad" no_tints
probe syscommand "$notepad" restore
wait_until 5 "the tint back with notepad" tints_are "$(edit_of "$notepad")"
probe syscommand "$notepad" close
wait_until 10 "notepad and its tint gone" no_tints
start_notepad
first="$(field_handle "$NOTEPAD_LINE")"
wait_until 5 "a tint on the new notepad" tints_are "$(edit_of "$first")"

# A second notepad, a second tint.
start_program "$E2E_WORK" notepad
wait_until 20 "the second notepad" notepad_count_is 2
second="$(notepad_handles | grep -vx "$first" | head -n 1)"
probe move "$second" 100 500 500 300
wait_until 10 "the second notepad at its place" test "$(notepad_rect_of "$second")" = "100 500 600 800"
wait_until 5 "two tints" tints_are "$( (edit_of "$first"; edit_of "$second") | sort | paste -sd,)"

# Forgotten over the first notepad: both tints go, and none comes after a restart.
kill "$TINTORA_PID"
wait_until 10 "Tintora gone" no_tintora
NOTEPAD_EDIT_LINE="$(child_line "$first" Edit)"
lock_over_running_notepad
wait_until 5 "the second notepad's tint alone" tints_are "$(edit_of "$second")"
press_console shift+F7
wait_until 5 "no tint after forgetting" no_tints
wait_until 10 "the entry gone from Remembered.ini" test -z "$(ini_value "$remembered" Window1 Program)"
restart_tintora
sleep 2
expect_eq "tints after a restart" "$(tint_count)" 0
pass
