#!/usr/bin/env bash
# First start in an empty folder: settings files, the opening screen, the start-up picture,
# switching the picture from the menu with real keys, and "退出".
source "$(dirname "$0")/lib.sh"

pictures="$(cd "$(dirname "$0")/../../resources" && pwd)"

# The screen pixel at a spot of the picture box, next to the same spot of the picture stretched
# over the box as the program shows it.
picture_matches() {
  local picture="$1" line client cx cy cw ch x y expected
  line="$(window_line Tintorav2.0)"
  client="$(field_client "$line")"
  read -r cx cy cw ch <<<"$client"
  x=$((cw / 10)) y=$((ch / 8))
  expected="$(convert "$picture" -resize "${cw}x$((ch + 30))!" -crop "1x1+$x+$y" +repage txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')"
  close_to "$(pixel $((cx + x)) $((cy + y)))" "$expected" 24
}

start_tintora
wait_until 20 "the start-up window" has_window Tintorav2.0

config="$E2E_APP/Config"
[ -d "$E2E_APP/Images" ] || fail "Images folder not created"
expect_eq "Meter" "$(ini_value "$config/Screenshotstatistics.ini" Screenshotstatistics Meter)" 0
expect_eq "A" "$(ini_value "$config/Colour.ini" colour A)" 30
for key in R G B; do expect_eq "$key" "$(ini_value "$config/Colour.ini" colour $key)" 255; done
expect_eq "Small" "$(ini_value "$config/Start.ini" Start Small)" 0
expect_eq "Background" "$(ini_value "$config/Start.ini" Bg Background)" 0
[ ! -e "$E2E_APP/VirelineConfig" ] || fail "VirelineConfig must never be created"

line="$(window_line Tintorav2.0)"
read -r left top right bottom <<<"$(field_rect "$line")"
expect_eq "window size" "$((right - left))x$((bottom - top))" "640x480"
expect_eq "centred left" "$left" $(((TINTORA_SCREEN_WIDTH - 640) / 2))
expect_eq "centred top" "$top" $(((TINTORA_SCREEN_HEIGHT - 480) / 2))
(( 0x$(field_exstyle "$line") & 0x80000 )) || fail "start-up window is not layered"
expect_eq "layered attributes" "$(field_layered "$line")" "fb02fc 255 3"

wait_until 10 "the soft picture on screen" picture_matches "$pictures/startup-soft.png"

# "开始" → "启动背景_鲜艳" with the keyboard.
window="$(x_window Tintorav2.0)"
press "$window" alt Down Down Down Return
wait_until 10 "Background=1 in Start.ini" ini_is "$config/Start.ini" Bg Background 1
wait_until 10 "the vivid picture on screen" picture_matches "$pictures/startup-vivid.png"

# F1 opens the help box; Return closes it.
press "$window" F1
wait_until 10 "the help box" has_window 帮助
help_x="$(x_window 帮助)"
press "$help_x" Return
no_help() { ! has_window 帮助; }
wait_until 10 "the help box closed" no_help

# "开始" → "退出": the last item of the menu.
press "$window" alt Down Up Return
deadline=$((SECONDS + 15))
while kill -0 "$TINTORA_PID" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || fail "tintora did not end after 退出"
  sleep 0.1
done
wait "$TINTORA_PID" && code=0 || code=$?
expect_eq "exit code" "$code" 0
pass
