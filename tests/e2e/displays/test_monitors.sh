#!/usr/bin/env bash
# On two monitors, the larger one left of the primary at negative coordinates: smart snap onto a
# notepad wider than the primary monitor, the tint up to its far corner, a PNG screenshot of it
# that does not show the console, tray mode off every monitor, and full screen on that monitor.
# That monitor's colour remembered (Ctrl+Shift+F6): screenshots show its tint under the overlay,
# and after a restart its tint covers exactly that monitor, and nothing of the primary.
source "$(dirname "$0")/../lib.sh"

read -r m_left m_top m_right m_bottom _ <<<"$(probe monitors | awk -F'\t' '$2 == "-"')"
expect_eq "the second monitor" "$m_left $m_top $m_right $m_bottom" "-1920 0 0 1080"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=0" "G=0" "B=255"
lock_over_notepad -1900 20 1860 1040
overlay="$(startup_line)"
expect_eq "overlay on notepad's text area" "$(field_rect "$overlay")" "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"
width=$((EDIT_RIGHT - EDIT_LEFT)) height=$((EDIT_BOTTOM - EDIT_TOP))
[ "$width" -gt "$TINTORA_SCREEN_WIDTH" ] || fail "the text area ($width wide) must be wider than the primary monitor"

blue() { local IFS=,; read -r r g b <<<"$1"; [ "$b" -gt 200 ] && [ "$r" -lt 120 ] && [ "$g" -lt 120 ]; }
blue_at() { blue "$(pixel "$1" "$2")"; }
far_x=$((EDIT_RIGHT - 10)) far_y=$((EDIT_BOTTOM - 10))
wait_until 10 "the tint at the far corner of notepad's text area" blue_at $far_x $far_y
blue_at $((EDIT_LEFT + 10)) $((EDIT_TOP + 10)) || fail "no tint at the near corner: $(pixel $((EDIT_LEFT + 10)) $((EDIT_TOP + 10)))"
expected="$(pixel $far_x $far_y)"

# The screenshot moves the console off the screen; a spot of notepad's text area near -1000,
# where a console moved only to the left edge -1000 would stand.
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$(console_line)")"
spot_x=-900 spot_y=$((c_top + 60))
press_console shift+F4
file="$E2E_APP/Images/1.png"
wait_until 15 "1.png" test -s "$file"
expect_eq "1.png format and size" "$(identify -format '%m %w %h' "$file")" "PNG $width $height"
got="$(file_pixel "$file" $((far_x - EDIT_LEFT)) $((far_y - EDIT_TOP)))"
close_to "$got" "$expected" 8 || fail "1.png at the far corner: $got, the screen showed $expected"
got="$(file_pixel "$file" $((spot_x - EDIT_LEFT)) $((spot_y - EDIT_TOP)))"
blue "$got" || fail "1.png shows something else than the tint at $spot_x,$spot_y (the console?): $got"
wait_until 10 "the console back at its place" test "$(field_rect "$(console_line)")" = "$c_left $c_top $c_right $c_bottom"

# Ctrl+T: no part of the console is left on any monitor; the tray icon brings it back.
press_console ctrl+t
console_hidden() { on_no_monitor "$(field_rect "$(console_line)")"; }
wait_until 10 "the console off every monitor" console_hidden
read -r _ hidden_top _ _ <<<"$(field_rect "$(console_line)")"
expect_eq "the console's top in the tray" "$hidden_top" "$c_top"
double_click_tray_icon
console_left_is() { [ "$(field_rect "$(console_line)" | cut -d' ' -f1)" = "$1" ]; }
wait_until 10 "the console back at its place" console_left_is "$c_left"

# Full screen covers the monitor that holds the target, and nothing of the primary.
press_console shift+F12
wait_until 10 "a full-screen overlay on the second monitor" startup_rect_is "$m_left $m_top $m_right $m_bottom"
wait_until 10 "the tint in the monitor's far corner" blue_at $((m_left + 5)) $((m_bottom - 5))
primary_spot="$(pixel $((TINTORA_SCREEN_WIDTH - 5)) $((TINTORA_SCREEN_HEIGHT - 5)))"
! blue "$primary_spot" || fail "the tint reaches the primary monitor: $primary_spot"
remembered="$E2E_APP/Config/Remembered.ini"
press_console ctrl+shift+F6
wait_until 10 "the monitor in Remembered.ini" ini_is "$remembered" Monitor1 Place "$m_left,$m_top"
press_console shift+F11
wait_until 10 "the overlay back on the locked rectangle" startup_rect_is "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"
press_console shift+F4
wait_until 15 "2.png" test -s "$E2E_APP/Images/2.png"
got="$(file_pixel "$E2E_APP/Images/2.png" $((far_x - EDIT_LEFT)) $((far_y - EDIT_TOP)))"
close_to "$got" "$(pixel $far_x $far_y)" 8 || fail "2.png lacks the monitor's tint under the overlay: $got"

kill "$TINTORA_PID"
no_tintora() { ! has_window Tintorav2.0; }
wait_until 10 "Tintora gone" no_tintora
start_tintora
tints_cover() { [ "$(probe windows | awk -F'\t' '$2 == "TintoraTint"' | cut -f4 | paste -sd,)" = "$1" ]; }
wait_until 10 "one tint over exactly the second monitor" tints_cover "$m_left $m_top $m_right $m_bottom"
wait_until 10 "the second monitor tinted" blue_at $((m_left + 5)) $((m_bottom - 5))
primary_spot="$(pixel $((TINTORA_SCREEN_WIDTH - 5)) $((TINTORA_SCREEN_HEIGHT - 5)))"
! blue "$primary_spot" || fail "a tint on the primary monitor after the restart: $primary_spot"
pass
