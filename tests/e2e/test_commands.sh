#!/usr/bin/env bash
# With nothing running, a command that acts on a tint starts nothing and exits 2. A quiet start
# (tintora.exe /tray) shows no window but the tray icon, and notepad's remembered tint; the icon's
# menu shows the opening screen. Commands from later starts, through tintora.exe and through the
# console program tintora.com, act on the running Tintora and answer with their exit code and
# text: before a lock /opacity cannot act; after it /opacity, /weaker, /colour, /fullscreen,
# /windowed and /shot change what the screen and the files show, values and commands not
# understood change nothing, and /quit ends Tintora with its files intact. tintora.com /toggle
# starts Tintora when none runs. "开机时启动" is seen in the registry.
source "$(dirname "$0")/lib.sh"
cp "$(dirname "$E2E_EXE")/tintora.com" "$E2E_APP/"

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
write_ini "$E2E_APP/Config/Remembered.ini" "[Window1]" "Program=notepad.exe" "Class=Notepad" "Levels=1" \
  "Level1=0 Edit" "A=200" "R=255" "G=255" "B=0"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=100" "R=0" "G=0" "B=255"
write_ini "$E2E_APP/Config/Screenshotstatistics.ini" "[Screenshotstatistics]" "Meter=4"
wine reg delete "$run_key" /v Tintora /f >/dev/null 2>&1 || true
start_notepad

# tintora_command WORDS...: a later start with the words; prints its exit code. companion_command
# does the same through tintora.com, whose text goes to answer.txt.
tintora_command() {
  local code=0
  (cd "$E2E_APP" && timeout 30 wine tintora.exe "$@" </dev/null >>"$E2E_WORK/commands.log" 2>&1) || code=$?
  echo "$code"
}
companion_command() {
  local code=0
  (cd "$E2E_APP" && timeout 30 wine tintora.com "$@" </dev/null >"$E2E_WORK/answer.txt" 2>&1) || code=$?
  echo "$code"
}
no_tintora() { ! probe windows | awk -F'\t' '$2 == "TintoraWindow"' | grep -q .; }
tint_on_edit() { probe windows | awk -F'\t' '$2 == "TintoraTint"' | cut -f4 | grep -qx "$(field_rect "$NOTEPAD_EDIT_LINE")"; }
read -r edit_left edit_top _ <<<"$(field_rect "$NOTEPAD_EDIT_LINE")"
# pixel_is TEST: a point of notepad's text area that the console does not cover, as $1,$2,$3 (r, g
# and b), passes the awk test.
pixel_is() { awk -F, "{ exit !($1) }" <<<"$(pixel $((edit_left + 40)) $((edit_top + 40)))"; }

expect_eq "/opacity with nothing running" "$(tintora_command /opacity 120)" 2
# tintora.com answers in the language of the settings.
write_ini "$E2E_APP/Config/Start.ini" "[Start]" "Language=en"
expect_eq "tintora.com /shot with nothing running" "$(companion_command /shot)" 2
grep -q "Tintora is not running" "$E2E_WORK/answer.txt" || fail "no English reason: $(cat "$E2E_WORK/answer.txt")"
rm "$E2E_APP/Config/Start.ini"
no_tintora || fail "a command that needs a tint started Tintora"

start_program "$E2E_APP" tintora.exe /tray
TINTORA_PID=$E2E_LAST_PID
wait_until 20 "notepad's remembered tint" tint_on_edit
wait_until 10 "the tray icon" has_window "Wine System Tray"
has_window Tintorav2.0 && fail "a Tintora window shows at a quiet start"
expect_eq "/opacity before a lock" "$(tintora_command /opacity 120)" 2

has_startup() { has_window Tintorav2.0; }
choose_in_tray_menu 1
wait_until 10 "the opening screen after 显示" has_startup
lock_startup_window_over_notepad

alpha_is() { [ "$(field_layered "$(startup_line)" | cut -d' ' -f2)" = "$1" ]; }
expect_eq "/opacity 136" "$(tintora_command /opacity 136)" 0
wait_until 5 "the overlay's opacity 136" alpha_is 136
expect_eq "tintora.com /weaker" "$(companion_command /weaker)" 0
wait_until 5 "the overlay's opacity 120" alpha_is 120
wait_until 10 "blue over notepad" pixel_is '$3 > 200 && $1 < 170'
expect_eq "tintora.com /colour 255,0,0" "$(companion_command /colour 255,0,0)" 0
wait_until 10 "red over notepad" pixel_is '$1 > 200 && $2 < 170 && $3 < 170'
expect_eq "tintora.com /fullscreen" "$(companion_command /fullscreen)" 0
wait_until 5 "the tint over the whole screen" startup_rect_is "$(probe monitors | head -n 1 | cut -f1)"
expect_eq "tintora.com /windowed" "$(companion_command /windowed)" 0
wait_until 5 "the tint back on notepad" startup_rect_is "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"
expect_eq "tintora.com /shot png" "$(companion_command /shot png)" 0
wait_until 15 "5.png" sh -c "identify -format '%m' '$E2E_APP/Images/5.png' | grep -q PNG"
files_before="$(cd "$E2E_APP" && find . -type f | sort | xargs md5sum)"
expect_eq "tintora.com /opacity 300" "$(companion_command /opacity 300)" 64
grep -q "300" "$E2E_WORK/answer.txt" || fail "/opacity 300 not named: $(cat "$E2E_WORK/answer.txt")"
expect_eq "/bogus" "$(tintora_command /bogus)" 64
alpha_is 120 || fail "the opacity changed by a command not understood"
pixel_is '$1 > 200 && $2 < 170 && $3 < 170' || fail "the tint changed by a command not understood"

# "开机时启动" from the menu of the console's tray icon, on and off again.
expect_eq "/tray" "$(tintora_command /tray)" 0
run_value() { wine reg query "$run_key" /v Tintora 2>/dev/null | tr -d '\r' | grep -o '".*' || true; }
choose_in_tray_menu 3
wait_until 10 "the Run value" sh -c "[ -n \"\$(wine reg query '$run_key' /v Tintora 2>/dev/null)\" ]"
expect_eq "the Run value" "$(run_value)" "\"$(winepath -w "$E2E_APP/tintora.exe")\" /tray"
choose_in_tray_menu 3
wait_until 10 "the Run value removed" sh -c "! wine reg query '$run_key' /v Tintora >/dev/null 2>&1"

expect_eq "tintora.com /quit" "$(companion_command /quit)" 0
wait_until 10 "Tintora ended" sh -c "! kill -0 $TINTORA_PID 2>/dev/null"
expect_eq "files after /quit" "$(cd "$E2E_APP" && find . -type f | sort | xargs md5sum)" "$files_before"

expect_eq "tintora.com /toggle with nothing running" "$(companion_command /toggle)" 0
wait_until 20 "the opening screen started by tintora.com" has_startup
expect_eq "tintora.com /quit again" "$(companion_command /quit)" 0
wait_until 10 "Tintora ended again" no_tintora
pass
