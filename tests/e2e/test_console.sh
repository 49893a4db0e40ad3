#!/usr/bin/env bash
# The console after a lock over notepad: its place and size, tray mode with Ctrl+T, full screen
# with Shift+F12 and back with Shift+F11, the chart settings follower painting the saved red, and
# the switch to English and back from the menu.
source "$(dirname "$0")/lib.sh"

write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=255" "G=0" "B=0"
write_ini "$E2E_APP/VirelineConfig/Config/Chart.ini" "[Choice]" "Record=3"
lock_over_notepad

# Centred using the designed 500 x 420, then resized to a 494 x 342 client area.
console="$(console_line)"
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$console")"
read -r _ _ client_w client_h <<<"$(field_client "$console")"
expect_eq "console client size" "${client_w}x$client_h" "494x342"
expect_eq "console left" "$c_left" $(((TINTORA_SCREEN_WIDTH - 500) / 2))
expect_eq "console top" "$c_top" $(((TINTORA_SCREEN_HEIGHT - 420) / 2))
sliders="$(probe children "$(field_handle "$console")" | awk -F'\t' '$2 == "msctls_trackbar32"' | head -n 1)"
read -r _ s_top _ _ <<<"$(field_rect "$sliders")"
read -r client_x client_y _ _ <<<"$(field_client "$console")"
read -r s_left _ _ _ <<<"$(field_rect "$sliders")"
expect_eq "first slider left in the client area" $((s_left - client_x)) 58

# The follower paints the red of Colour.ini over the target at the A slider's opacity.
spot_x=$((EDIT_LEFT + 10)) spot_y=$((EDIT_BOTTOM - 10))
red_tint() { local IFS=,; read -r r g b <<<"$(pixel $spot_x $spot_y)"; [ "$r" -gt 200 ] && [ "$g" -lt 120 ] && [ "$b" -lt 120 ]; }
wait_until 10 "a red tint over notepad" red_tint

# Shift+F12 covers the screen, Shift+F11 returns to the locked rectangle.
press_console shift+F12
wait_until 10 "a full-screen overlay" startup_rect_is "0 0 $TINTORA_SCREEN_WIDTH $TINTORA_SCREEN_HEIGHT"
far_red() { local IFS=,; read -r r g b <<<"$(pixel 5 $((TINTORA_SCREEN_HEIGHT - 5)))"; [ "$r" -gt "$g" ] && [ "$r" -gt "$b" ]; }
wait_until 10 "the tint in a far corner of the screen" far_red
import -window root "$E2E_WORK/full-screen.png"
press_console shift+F11
wait_until 10 "the overlay back on the locked rectangle" startup_rect_is "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"

# Ctrl+T: the console leaves the screen to the left and its top stays.
press_console ctrl+t
console_left_is() { read -r l t _ _ <<<"$(field_rect "$(console_line)")"; [ "$l" = "$1" ] && [ "$t" = "$c_top" ]; }
wait_until 10 "the console at left -1000" console_left_is -1000
double_click_tray_icon
wait_until 10 "the console back at its place" console_left_is "$c_left"

# "选项" → "English" (the last item of the third menu) switches the console's captions and menu bar
# at once and keeps the choice: a new start speaks English. "Options" → "中文" switches back.
console_says() { probe children "$(field_handle "$(console_line)")" | cut -f2,3 | grep -qxF "$1"; }
# Read where the console is: a menu may leave the tint above the console, and the keeper's check
# puts the console back above it within a second. The picture compared is the one looked at, taken
# again until neither end of the bar shows the red tint.
bar_untinted() {
  local IFS=, x r g b
  import -window root -crop "${1}x16+${2}+$(($3 - 17))" +repage "$E2E_WORK/menu.png" || return 1
  for x in 5 $(($1 - 5)); do
    read -r r g b <<<"$(convert "$E2E_WORK/menu.png" -crop "1x1+$x+9" -depth 8 txt:- |
      sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')"
    [ $((r - g)) -lt 60 ] || return 1
  done
}
menu_bar() {
  local x y w
  read -r x y w _ <<<"$(field_client "$(console_line)")"
  wait_until 10 "the console's menu bar above the tint" bar_untinted "$w" "$x" "$y"
  convert "$E2E_WORK/menu.png" -format '%#' info:
}
switch_language() { press_console alt Right Right Down Up Return; }
start_ini="$E2E_APP/Config/Start.ini"
expect_eq "Chinese label" "$(console_says $'Static\t色彩修正强度:' && echo yes)" yes
chinese_menu="$(menu_bar)"
switch_language
wait_until 10 "the English label" console_says $'Static\tCorrection strength:'
wait_until 10 "the English button" console_says $'Button\tSave colour'
wait_until 10 "Language=en in Start.ini" ini_is "$start_ini" Start Language en
english_menu="$(menu_bar)"
[ "$english_menu" != "$chinese_menu" ] || fail "the menu bar did not change"

press_console alt Down Up Return
wait "$TINTORA_PID" || fail "tintora did not end after closing"
lock_over_running_notepad
wait_until 10 "English after a new start" console_says $'Button\tSave colour'
expect_eq "the English menu bar after a new start" "$(menu_bar)" "$english_menu"

switch_language
wait_until 10 "the Chinese button again" console_says $'Button\t保存颜色更新'
wait_until 10 "Language=zh in Start.ini" ini_is "$start_ini" Start Language zh
expect_eq "the Chinese menu bar again" "$(menu_bar)" "$chinese_menu"
pass
