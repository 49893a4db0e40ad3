#!/usr/bin/env bash
# With "启动后控制台最小化显示" saved, the console opens off the screen with its tray icon, and a
# double-click on the icon brings it to its centred place. Started again, from another folder or
# its own, Tintora brings the running console forward (out of the tray) and ends at once. A tray
# icon the shell refuses leaves the console on the screen with a notice until the shell restarts.
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

# The shell refuses the icon (as one not running yet would): the console stays with a notice, and
# goes to the tray when the shell says it has started.
console="$(field_handle "$(console_line)")"
expect_eq "the icon taken first" "$(probe trayicon "$console" add)" ok
press_console ctrl+t
wait_until 10 "the notice that the tray is not available" balloon_says "无法添加托盘图标，控制台留在原处；任务栏就绪后将自动隐藏到托盘。"
console_left_is $centred || fail "the console left the screen without a tray icon"
expect_eq "the icon given back" "$(probe trayicon "$console" delete)" ok
probe taskbarcreated
wait_until 10 "the console in the tray once the shell is there" console_left_is -1000
pass
