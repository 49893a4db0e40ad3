#!/usr/bin/env bash
# A run folder that cannot be written (immutable; as root, permissions alone do not stop writes):
# Config and Images go to the user's local application-data folder, a balloon says where, a colour
# saved there survives a restart, and a screenshot lands there; nothing is written beside the program.
source "$(dirname "$0")/lib.sh"

local_appdata="$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')"
data="$(winepath -u "$local_appdata\\Tintora" 2>/dev/null)"
data="${data%/}"
[ -n "$data" ] && [ "$data" != /Tintora ] || fail "no local application-data folder in the Wine prefix: '$local_appdata'"
rm -rf "$data"

chattr +i "$E2E_APP" || fail "cannot make $E2E_APP immutable (needs root and chattr, package e2fsprogs)"
unlock() {
  chattr -i "$E2E_APP" 2>/dev/null || true
  rm -rf "$data"
}
trap 'unlock; cleanup' EXIT
# Clears the flag however this script ends, even killed outright, so the build folder can always be
# removed: a watcher of its own, outside this script's process tree.
(setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.5; done; chattr -i "$2"' _ $$ "$E2E_APP" \
  </dev/null >/dev/null 2>&1 &)
touch "$E2E_APP/probe" 2>/dev/null && fail "the run folder can still be written"

lock_over_notepad
config="$data/Config"
wait_until 10 "the balloon with the per-user folder" \
  balloon_says "$(printf '程序所在的文件夹无法写入，设置和截图现保存在：\n%s' "$local_appdata\\Tintora")"
[ -d "$data/Images" ] || fail "no Images folder in $data"
expect_eq "Meter" "$(ini_value "$config/Screenshotstatistics.ini" Screenshotstatistics Meter)" 0
expect_eq "A" "$(ini_value "$config/Colour.ini" colour A)" 30
expect_eq "Small" "$(ini_value "$config/Start.ini" Start Small)" 0

# R to 0 on its slider with the keyboard, then "保存颜色更新".
console_children() { probe children "$(field_handle "$(console_line)")"; }
red_slider() { console_children | awk -F'\t' '$2 == "msctls_trackbar32"' | head -n 1; }
read -r s_left s_top s_right s_bottom <<<"$(field_rect "$(red_slider)")"
click $((s_left + 12)) $(((s_top + s_bottom) / 2))
type_keys Home
save_button="$(console_children | awk -F'\t' '$2 == "Button"' | head -n 1)"
read -r b_left b_top b_right b_bottom <<<"$(field_rect "$save_button")"
click $(((b_left + b_right) / 2)) $(((b_top + b_bottom) / 2))
wait_until 10 "R=0 saved in the per-user folder" ini_is "$config/Colour.ini" colour R 0

press_console shift+F4
wait_until 15 "1.png in the per-user folder" sh -c "identify -format '%m' '$data/Images/1.png' | grep -q PNG"
wait_until 5 "Meter 1" ini_is "$config/Screenshotstatistics.ini" Screenshotstatistics Meter 1

kill "$TINTORA_PID"
wait "$TINTORA_PID" 2>/dev/null || true
no_tintora() { ! has_window Tintorav2.0; }
wait_until 15 "Tintora gone" no_tintora
lock_over_running_notepad
red_is_zero() { [ "$(probe slider "$(field_handle "$(red_slider)")")" = 0 ]; }
wait_until 10 "the saved R=0 on the red slider after the restart" red_is_zero
expect_eq "files beside the program" "$(ls -A "$E2E_APP")" "tintora.exe"
pass
