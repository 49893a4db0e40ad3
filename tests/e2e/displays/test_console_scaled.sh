#!/usr/bin/env bash
# At 144 DPI (150 %) the console is the console at 96 DPI enlarged 1.5 times, centred on the
# primary monitor, while the overlay lies exactly on its target in physical pixels.
source "$(dirname "$0")/../lib.sh"

expect_eq "the display's DPI" "$(probe monitors | head -n 1 | cut -f3)" 144
lock_over_notepad
expect_eq "overlay on notepad's text area" "$(field_rect "$(startup_line)")" "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"

# The designed 500 x 420 becomes 750 x 630 for the centring; the client area 494 x 342 becomes
# 741 x 515 (the 55-pixel label height rounds to 83).
console="$(console_line)"
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$console")"
read -r client_x client_y client_w client_h <<<"$(field_client "$console")"
expect_eq "console client size" "${client_w}x$client_h" "741x515"
expect_eq "console left" "$c_left" $(((TINTORA_SCREEN_WIDTH - 750) / 2))
expect_eq "console top" "$c_top" $(((TINTORA_SCREEN_HEIGHT - 630) / 2))

in_client() {
  local l t r b
  read -r l t r b <<<"$(field_rect "$1")"
  echo "$((l - client_x)) $((t - client_y)) $((r - l)) $((b - t))"
}
children="$(probe children "$(field_handle "$console")")"
red_slider="$(awk -F'\t' '$2 == "msctls_trackbar32"' <<<"$children" | head -n 1)"
button="$(awk -F'\t' '$2 == "Button"' <<<"$children" | head -n 1)"
expect_eq "R slider: left top width height" "$(in_client "$red_slider")" "87 18 540 90"
expect_eq "button: left top width height" "$(in_client "$button")" "447 438 276 60"

import -window root -crop "$((c_right - c_left))x$((c_bottom - c_top))+$((c_left + E2E_X0))+$((c_top + E2E_Y0))" \
  +repage "$E2E_WORK/console-144dpi.png"
pass
