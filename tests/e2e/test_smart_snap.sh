#!/usr/bin/env bash
# Smart snap with real input over Wine's notepad: follow, return with ESC, lock with a key, then a
# slider moved with real keys tints the screen over notepad, and the colour is saved.
source "$(dirname "$0")/lib.sh"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=255" "G=255" "B=0"
start_notepad
start_tintora
wait_for_startup_window
opening_rect="$(field_rect "$(startup_line)")"
read -r n_left n_top n_right n_bottom <<<"$(field_rect "$NOTEPAD_LINE")"
read -r e_left e_top e_right e_bottom <<<"$(field_rect "$NOTEPAD_EDIT_LINE")"

press "$STARTUP_X" ctrl+shift+F1

# Over notepad's text area the rectangle takes the text control's rectangle.
move_pointer $(((e_left + e_right) / 2)) $(((e_top + e_bottom) / 2))
wait_until 10 "the rectangle on notepad's text area" startup_rect_is "$e_left $e_top $e_right $e_bottom"
# Over notepad's title bar it takes notepad's window rectangle.
move_pointer $(((n_left + n_right) / 2)) $((n_top + 8))
wait_until 10 "the rectangle on notepad" startup_rect_is "$n_left $n_top $n_right $n_bottom"

press "$STARTUP_X" Escape
wait_until 10 "the opening screen back at its place" startup_rect_is "$opening_rect"

press "$STARTUP_X" ctrl+shift+F1
move_pointer $(((e_left + e_right) / 2)) $(((e_top + e_bottom) / 2))
wait_until 10 "the rectangle on notepad's text area" startup_rect_is "$e_left $e_top $e_right $e_bottom"
press "$STARTUP_X" a

wait_until 10 "the console window" has_console
overlay="$(startup_line)"
expect_eq "overlay rectangle" "$(field_rect "$overlay")" "$e_left $e_top $e_right $e_bottom"
styles=$((0x$(field_exstyle "$overlay")))
expect_eq "click-through, topmost, toolwindow, layered" $((styles & 0x800A8)) $((0x800A8))
expect_eq "overlay disabled while the console is open" "$(field_enabled "$overlay")" 0
read -r key alpha flags <<<"$(field_layered "$overlay")"
expect_eq "colour key and flags" "$key $flags" "fb02fc 3"

# A spot over notepad's text that the console does not cover.
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$(console_line)")"
spot_x=$((e_left + 20)) spot_y=$((e_top + 20))
if [ $spot_x -ge "$c_left" ] && [ $spot_x -lt "$c_right" ] && [ $spot_y -ge "$c_top" ] && [ $spot_y -lt "$c_bottom" ]; then
  spot_x=$((e_right - 20)) spot_y=$((e_bottom - 20))
fi
# Yellow over notepad's white, then green once R is 0.
yellow_tint() { local IFS=,; read -r r g b <<<"$(pixel $spot_x $spot_y)"; [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 130 ]; }
green_tint() { local IFS=,; read -r r g b <<<"$(pixel $spot_x $spot_y)"; [ "$r" -lt 130 ] && [ "$g" -gt 200 ] && [ "$b" -lt 130 ]; }
wait_until 10 "the saved yellow tint over notepad" yellow_tint

# The R slider: click its channel to focus it, then Home sets it to 0 with the keyboard.
console_handle="$(field_handle "$(console_line)")"
r_slider="$(probe children "$console_handle" | awk -F'\t' '$2 == "msctls_trackbar32"' | sed -n 1p)"
read -r s_left s_top s_right s_bottom <<<"$(field_rect "$r_slider")"
click $(((s_left + s_right) / 2)) $(((s_top + s_bottom) / 2))
xdotool key Home
wait_until 10 "a green tint over notepad after R = 0" green_tint
expect_eq "R slider" "$(probe slider "$(field_handle "$r_slider")")" 0

button="$(probe children "$console_handle" | awk -F'\t' '$2 == "Button"' | head -n 1)"
read -r b_left b_top b_right b_bottom <<<"$(field_rect "$button")"
click $(((b_left + b_right) / 2)) $(((b_top + b_bottom) / 2))
wait_until 10 "R=0 in Colour.ini" ini_is "$E2E_APP/Config/Colour.ini" colour R 0
expect_eq "G" "$(ini_value "$E2E_APP/Config/Colour.ini" colour G)" 255
expect_eq "B" "$(ini_value "$E2E_APP/Config/Colour.ini" colour B)" 0
import -window root "$E2E_WORK/locked.png"
pass
