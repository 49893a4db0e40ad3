#!/usr/bin/env bash
# The measurements behind scripts/bench.sh, on the display of the Wine environment. Each sample of
# Tintora is taken right beside a sample of its reference. Prints the raw samples, one line per
# measurement and round ("NAME VALUE..."; ms, % of one core, MB); progress goes to stderr.
#
#   bench/measure.sh TINTORA PROBE BENCH_PROGRAMS KEY_TO_SCREEN ROUNDS IDLE_SECONDS
# TINTORA is the exe a user gets; BENCH_PROGRAMS the folder of tintora_bench.exe and the bare
# reference programs.
E2E_WORK="$(realpath -m "$3/../bench-work")"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh" "$1" "$2"

bench_exe="$(realpath "$3/tintora_bench.exe")"
bare_timers="$(realpath "$3/bare_timers.exe")"
bare_paint="$(realpath "$3/bare_paint.exe")"
bare_controls="$(realpath "$3/bare_controls.exe")"
key_to_screen="$(realpath "$4")"
rounds="$5"
idle_seconds="$6"
key_samples=$((3 * rounds))
in_process_samples=10
grab_samples=10
width="$TINTORA_SCREEN_WIDTH" height="$TINTORA_SCREEN_HEIGHT"
ticks_per_second="$(getconf CLK_TCK)"

say() { echo "bench: $*" >&2; }

# Runs a Windows program of the bench in a folder of its own and prints what it printed.
run_in_own_folder() {
  local exe="$1" folder
  shift
  folder="$E2E_WORK/$(basename "$exe" .exe)"
  mkdir -p "$folder"
  cp "$exe" "$folder/"
  (cd "$folder" && wine "./$(basename "$exe")" "$@" </dev/null 2>>"$E2E_WORK/wine.log" | tr -d '\r')
}

# The scene: a notepad under the tint (as in the end-to-end tests) and a second one, away from the
# overlay and the console, whose echo of a key is the reference for the slider step. A 190 alpha
# (the one a lock leaves) shows R 0 and R 1 over notepad's white as two different pixels.
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=190" "R=0" "G=128" "B=255"
start_notepad
target_handle="$(field_handle "$NOTEPAD_LINE")"
read -r EDIT_LEFT EDIT_TOP EDIT_RIGHT EDIT_BOTTOM <<<"$(field_rect "$NOTEPAD_EDIT_LINE")"
overlay_width=$((EDIT_RIGHT - EDIT_LEFT)) overlay_height=$((EDIT_BOTTOM - EDIT_TOP))

start_program "$E2E_WORK" notepad
echo_line() { probe windows | awk -F'\t' -v target="$target_handle" '$2 == "Notepad" && $1 != target' | head -n 1; }
has_echo_notepad() { [ -n "$(echo_line)" ]; }
wait_until 20 "the second notepad" has_echo_notepad
echo_handle="$(field_handle "$(echo_line)")"
probe move "$echo_handle" 40 760 600 240
echo_at_place() { [ "$(field_rect "$(echo_line)")" = "40 760 640 1000" ]; }
wait_until 10 "the second notepad at its place" echo_at_place
echo_edit="$(child_line "$echo_handle" Edit)"
read -r echo_x echo_y _ _ <<<"$(field_client "$echo_edit")"
echo_edit_handle="$(field_handle "$echo_edit")"

# Starts Tintora, locks it over the first notepad and finds the console's first slider, R.
lock_tintora() {
  lock_over_running_notepad
  red_slider="$(probe children "$(field_handle "$(console_line)")" | awk -F'\t' '$2 == "msctls_trackbar32"' |
    head -n 1 | cut -f1)"
}

focus_is() { [ "$(probe focus)" = "$1" ]; }

focus_echo_notepad() {
  click $((echo_x + 300)) $((echo_y + 80))
  wait_until 10 "the keyboard focus in the second notepad" focus_is "$echo_edit_handle"
}

# The console's R slider, reached with Tab from wherever the focus was.
focus_red_slider() {
  local l t tries=0
  read -r l t _ _ <<<"$(field_rect "$(console_line)")"
  click $((l + 60)) $((t + 8))
  until focus_is "$red_slider"; do
    [ $((tries += 1)) -le 8 ] || fail "Tab never reached the R slider"
    xdotool key Tab
  done
}

# The first glyph typed into the empty text area, beside the caret: the echo's pixels.
echo_key_sample() {
  local ms
  focus_echo_notepad
  ms="$("$key_to_screen" x BackSpace $((echo_x + 3)) $((echo_y + 6)) 5 7)" || fail "no echo of the key seen"
  echo "echo $ms"
}

# One step right of the R slider, seen on the overlay away from the console.
slider_key_sample() {
  local ms
  focus_red_slider
  ms="$("$key_to_screen" Right Left $((EDIT_LEFT + 10)) $((EDIT_BOTTOM - 10)) 1 1)" || fail "no change of the tint seen"
  echo "slider-step $ms"
}

# CPU ticks (user + system) of a process.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# memory_mb PID FIELD: VmRSS or VmHWM of the process, in MB.
memory_mb() { awk -v field="$2:" '$1 == field { printf "%.2f", $2 / 1024 }' "/proc/$1/status"; }

# Context switches of all the process's threads so far: each is a thread that went to sleep or was
# put aside, so over an idle time they count its wake-ups.
context_switches() {
  cat "/proc/$1"/task/*/status 2>/dev/null |
    awk '$1 == "voluntary_ctxt_switches:" || $1 == "nonvoluntary_ctxt_switches:" { n += $2 } END { print n + 0 }'
}

# idle_sample NAME PID: the process's and the wineserver's CPU over the idle time, in % of one core,
# and the process's wake-ups a second over the same time (as wakeups-NAME).
idle_sample() {
  local name="$1" pid="$2" start end program server switches
  start=$(date +%s%N) program=$(cpu_ticks "$pid") server=$(cpu_ticks "$TINTORA_WINESERVER_PID")
  switches=$(context_switches "$pid")
  sleep "$idle_seconds"
  end=$(date +%s%N)
  awk -v name="$name" -v ticks=$(($(cpu_ticks "$pid") - program + $(cpu_ticks "$TINTORA_WINESERVER_PID") - server)) \
    -v switches=$(($(context_switches "$pid") - switches)) -v hz="$ticks_per_second" -v ns=$((end - start)) \
    'BEGIN { printf "%s %.3f\nwakeups-%s %.1f\n", name, 100 * ticks / hz / (ns / 1e9), name, switches / (ns / 1e9) }'
}

stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
no_tintora_window() { ! has_window Tintorav2.0; }
stop_tintora() {
  stop_program "$TINTORA_PID"
  wait_until 10 "Tintora's windows gone" no_tintora_window
}

# start_bare EXE TITLE: a bare program of the bench over the overlay's rectangle, once its window
# with that title shows; its process id is in bare_pid.
start_bare() {
  start_program "$E2E_WORK" "$1" "$EDIT_LEFT" "$EDIT_TOP" "$overlay_width" "$overlay_height"
  bare_pid="$E2E_LAST_PID"
  wait_until 20 "the window \"$2\" of $(basename "$1")" has_window "$2"
}

# start_bare_console EXE TITLE: the same, with its console clicked to the front.
start_bare_console() {
  local l t
  start_bare "$1" "$2"
  read -r l t _ _ <<<"$(field_rect "$(window_line "$2")")"
  click $((l + 60)) $((t + 8))
}

say "in-process: the smart-snap tick and the paint of one tint ($rounds x $in_process_samples)"
start_bare "$bare_paint" "bare paint"
move_pointer $(((EDIT_LEFT + EDIT_RIGHT) / 2)) $(((EDIT_TOP + EDIT_BOTTOM) / 2))
for _ in $(seq "$rounds"); do
  run_in_own_folder "$bench_exe" overlay "$in_process_samples" | grep -v '^overlay '
done
stop_program "$bare_pid"

say "key to screen: notepad's echo and the colour slider step ($key_samples)"
lock_tintora
for _ in $(seq "$key_samples"); do
  echo_key_sample
  slider_key_sample
done

say "screenshots of the full-screen overlay, ${width}x$height ($rounds)"
press_console shift+F12
wait_until 10 "a full-screen overlay" startup_rect_is "0 0 $width $height"
for _ in $(seq "$rounds"); do
  run_in_own_folder "$bench_exe" screenshot 0 0 "$width" "$height" "$grab_samples"
  for format in bmp jpeg gif png; do
    coder="$format"
    [ "$format" != bmp ] || coder=bmp3
    start=$(date +%s%N)
    import -window root -crop "${width}x$height+0+0" +repage "$coder:$E2E_WORK/import.$format"
    echo "import-$format $(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.3f", ns / 1e6 }')"
  done
done
stop_tintora

# A third notepad beside the second: with the other two, three text areas for remembered tints.
start_program "$E2E_WORK" notepad
third_line() { probe windows | awk -F'\t' -v a="$target_handle" -v b="$echo_handle" '$2 == "Notepad" && $1 != a && $1 != b'; }
has_third_notepad() { [ -n "$(third_line)" ]; }
wait_until 20 "the third notepad" has_third_notepad
probe move "$(field_handle "$(third_line)")" 680 760 560 240
remembered_ini="$E2E_APP/Config/Remembered.ini"
tints_shown() { [ "$(probe windows | awk -F'\t' '$2 == "TintoraTint"' | grep -c .)" = "$1" ]; }

# idle_at_opening NAME TINTS: Tintora at its opening screen, nothing moving, once the remembered
# tints are shown; its CPU and steady memory.
idle_at_opening() {
  start_tintora
  wait_for_startup_window
  wait_until 10 "$2 remembered tints" tints_shown "$2"
  # Idle is measured at rest: under Wine the looks slow down over the ten seconds after the last
  # change, here the tints just shown.
  sleep 12
  idle_sample "idle-$1" "$TINTORA_PID"
  echo "rss-$1 $(memory_mb "$TINTORA_PID" VmRSS)"
  # Their pixels: Wine keeps each layered window's surface in the process.
  echo "tint-pixels $(probe windows | awk -F'\t' '$2 == "TintoraTint" {
    split($4, r, " "); n += (r[3] - r[1]) * (r[4] - r[2]) } END { print n + 0 }')"
  stop_tintora
}

screenshot_keys=(shift+F1 shift+F2 shift+F3 shift+F4)
screenshot_files=(1.bmp 2.jpg 3.gif 4.png)
for round in $(seq "$rounds"); do
  say "idle and memory, round $round of $rounds: Tintora, then the bare programs (6 x $idle_seconds s)"
  rm -rf "$E2E_APP/Images"
  write_ini "$E2E_APP/Config/Screenshotstatistics.ini" "[Screenshotstatistics]" "Meter=0"
  lock_tintora
  focus_red_slider
  idle_sample idle-console "$TINTORA_PID"
  echo "rss $(memory_mb "$TINTORA_PID" VmRSS)"
  # The same with 跟随目标窗口 checked, nothing moving; then unchecked again for the next round.
  press_console shift+F9
  wait_until 10 "following on" ini_is "$E2E_APP/Config/Start.ini" Follow Window 1
  idle_sample idle-following "$TINTORA_PID"
  press_console shift+F9
  wait_until 10 "following off" ini_is "$E2E_APP/Config/Start.ini" Follow Window 0
  focus_echo_notepad
  idle_sample idle-notepad "$TINTORA_PID"
  for i in 0 1 2 3; do
    press_console "${screenshot_keys[$i]}"
    wait_until 15 "${screenshot_files[$i]}" test -s "$E2E_APP/Images/${screenshot_files[$i]}"
  done
  echo "hwm $(memory_mb "$TINTORA_PID" VmHWM)"
  stop_tintora

  start_bare_console "$bare_timers" "bare console"
  idle_sample bare-idle-console "$bare_pid"
  focus_echo_notepad
  idle_sample bare-idle-notepad "$bare_pid"
  stop_program "$bare_pid"

  # Memory after as long in front as Tintora's first idle sample.
  start_bare_console "$bare_controls" "bare controls"
  sleep "$idle_seconds"
  echo "bare-rss $(memory_mb "$bare_pid" VmRSS)"
  echo "bare-hwm $(memory_mb "$bare_pid" VmHWM)"
  stop_program "$bare_pid"

  say "idle and memory, round $round of $rounds: the opening screen without and with three remembered tints, then with a schedule (3 x $idle_seconds s)"
  rm -f "$remembered_ini"
  idle_at_opening opening 0
  write_ini "$remembered_ini" "[Window1]" "Program=notepad.exe" "Class=Notepad" "Levels=1" "Level1=0 Edit" \
    "A=190" "R=0" "G=128" "B=255"
  idle_at_opening remembered 3
  # The same with a schedule enabled whose edges lie hours away: its one timer waits for them.
  write_ini "$E2E_APP/Config/Schedule.ini" "[Schedule]" "Enabled=1" "On=$(date -d '+6 hours' +%H:%M)" \
    "Off=$(date -d '+7 hours' +%H:%M)" "Fade=30" "Latitude=39.9" "Longitude=116.4"
  idle_at_opening scheduled 3
  rm -f "$E2E_APP/Config/Schedule.ini"

  say "idle, round $round of $rounds: locked, once the system has reported, without and with three remembered tints and following (2 x $idle_seconds s)"
  bench_config="$E2E_WORK/tintora_bench/Config"
  move_pointer $(((EDIT_LEFT + EDIT_RIGHT) / 2)) $(((EDIT_TOP + EDIT_BOTTOM) / 2))
  rm -rf "$bench_config"
  run_in_own_folder "$bench_exe" reported "$idle_seconds" | sed 's/^idle-reported /idle-reported-none /'
  mkdir -p "$bench_config"
  cp "$remembered_ini" "$bench_config/"
  write_ini "$bench_config/Start.ini" "[Follow]" "Window=1"
  run_in_own_folder "$bench_exe" reported "$idle_seconds" | sed 's/^idle-reported /idle-reported-kept /'
  rm -f "$remembered_ini"
done

echo "overlay $overlay_width $overlay_height"
