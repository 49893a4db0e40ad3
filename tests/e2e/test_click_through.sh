#!/usr/bin/env bash
# A click through the locked tint into notepad, then typing: the keys reach notepad, and the tint
# is back on the screen at the clicked point within a second (without a window manager the clicked
# window's X window is raised above the overlay; the topmost keeper lifts the overlay again).
source "$(dirname "$0")/lib.sh"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=255" "G=255" "B=0"
lock_over_notepad
edit_handle="$(field_handle "$NOTEPAD_EDIT_LINE")"

# A point of notepad's text area below the first lines of text and away from the console.
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$(console_line)")"
spot_x=$((EDIT_RIGHT - 40)) spot_y=$((EDIT_BOTTOM - 40))
if [ $spot_x -ge "$c_left" ] && [ $spot_x -lt "$c_right" ] && [ $spot_y -ge "$c_top" ] && [ $spot_y -lt "$c_bottom" ]; then
  spot_x=$((EDIT_LEFT + 40))
fi
# Yellow over notepad's white.
yellow_tint() { local IFS=,; read -r r g b <<<"$(pixel $spot_x $spot_y)"; [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 130 ]; }
wait_until 10 "the yellow tint over notepad" yellow_tint
text_is() { [ "$(probe text "$edit_handle")" = "$1" ]; }
notepad_in_front() { [ "$(probe foreground)" = "$(field_handle "$NOTEPAD_LINE")" ]; }

click $spot_x $spot_y
clicked=${EPOCHREALTIME/./}
wait_until 10 "notepad in front after the click" notepad_in_front
until yellow_tint; do
  waited=$(((${EPOCHREALTIME/./} - clicked) / 1000))
  [ $waited -lt 1000 ] || fail "no tint at $spot_x,$spot_y ${waited} ms after the click: $(pixel $spot_x $spot_y)"
done
echo "tint seen $(((${EPOCHREALTIME/./} - clicked) / 1000)) ms after the click"

xdotool type --delay 120 "through the tint"
wait_until 10 "the typed text in notepad" text_is "through the tint"
yellow_tint || fail "no tint at $spot_x,$spot_y after typing: $(pixel $spot_x $spot_y)"
pass
