#!/usr/bin/env bash
# With "启动后控制台最小化显示" saved, the console opens off the screen with its tray icon, and a
# double-click on the icon brings it to its centred place. Started again, from another folder or
# its own, Tintora brings the running console forward (out of the tray) and ends at once. An icon
# already in Tintora's place is taken over and removed with the console's.
source "$(dirname "$0")/lib.sh"

write_ini "$E2E_APP/Config/Start.ini" "[Start]" "Small=1" "[Bg]" "Background=0"
lock_over_notepad
centred=$(((TINTORA_SCREEN_WIDTH - 500) / 2))

console_left_is() { [ "$(field_rect "$(console_line)" | cut -d' ' -f1)" = "$1" ]; }
wait_until 10 "the console off the screen" console_left_is -1000
double_click_tray_icon
wait_until 10 "the console at its centred place" console_left_is $centred

# start_again FOLDER: a second tintora.exe, which must end by itself with code 0 and no window.
start_again() {
  (cd "$1" && timeout 15 wine tintora.exe </dev/null >>"$E2E_WORK/wine.log" 2>&1) || fail "second start in $1: $?"
  expect_eq "Tintora windows" "$(tintora_lines | wc -l)" 2
}
console_in_front() { [ "$(probe foreground)" = "$(field_handle "$(console_line)")" ]; }

press_console ctrl+t
wait_until 10 "the console in the tray again" console_left_is -1000
mkdir -p "$E2E_WORK/other"
cp "$E2E_APP/tintora.exe" "$E2E_WORK/other/"
start_again "$E2E_WORK/other"
wait_until 10 "the console out of the tray" console_left_is $centred
wait_until 10 "the console in front" console_in_front
expect_eq "files of the second Tintora" "$(ls -A "$E2E_WORK/other")" tintora.exe

start_again "$E2E_APP"
console_left_is $centred || fail "the console moved"

# An icon already in the console's place (an add at log-on that timed out but went through) is taken
# over, never doubled: the console goes to the tray with it, and the icon goes when it comes back.
console="$(field_handle "$(console_line)")"
expect_eq "the icon left in Tintora's place" "$(probe trayicon "$console" add)" ok
press_console ctrl+t
wait_until 10 "the console in the tray with that icon" console_left_is -1000
double_click_tray_icon
wait_until 10 "the console back from that icon" console_left_is $centred
expect_eq "an icon left behind" "$(probe trayicon "$console" delete)" failed
pass
