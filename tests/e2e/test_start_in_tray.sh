#!/usr/bin/env bash
# With "启动后控制台最小化显示" saved, the console opens off the screen with its tray icon, and a
# double-click on the icon brings it to its centred place.
source "$(dirname "$0")/lib.sh"

write_ini "$E2E_APP/Config/Start.ini" "[Start]" "Small=1" "[Bg]" "Background=0"
lock_over_notepad

console_left_is() { [ "$(field_rect "$(console_line)" | cut -d' ' -f1)" = "$1" ]; }
wait_until 10 "the console off the screen" console_left_is -1000
double_click_tray_icon
wait_until 10 "the console at its centred place" console_left_is $(((TINTORA_SCREEN_WIDTH - 500) / 2))
pass
