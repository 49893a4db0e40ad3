# Shared steps of the end-to-end tests: the real tintora.exe in a fresh folder under the test
# Wine environment, driven with the real pointer and keyboard through the X server.
# A test script sources this file with the program and the probe as $1 and $2.
set -euo pipefail

E2E_EXE="$(realpath "$1")"
E2E_PROBE="$(realpath "$2")"
E2E_NAME="$(basename "${BASH_SOURCE[1]}" .sh)"

# The environment file written by scripts/wine-env.sh start.
if [ -z "${TINTORA_WINE_ENV:-}" ]; then
  dir="$(dirname "$E2E_EXE")"
  while [ "$dir" != / ] && [ ! -f "$dir/wine-env.sh.env" ]; do dir="$(dirname "$dir")"; done
  TINTORA_WINE_ENV="$dir/wine-env.sh.env"
fi
[ -f "$TINTORA_WINE_ENV" ] || { echo "no Wine test environment (run scripts/wine-env.sh start)" >&2; exit 1; }
# shellcheck disable=SC1090
source "$TINTORA_WINE_ENV"
export DISPLAY WINEPREFIX WINEDEBUG
# Tests speak in Windows screen coordinates; X's root starts at the leftmost monitor.
read -r E2E_X0 E2E_Y0 <<<"${TINTORA_X_ORIGIN:-0 0}"

E2E_WORK="${E2E_WORK:-$(dirname "$E2E_EXE")/e2e-work/$E2E_NAME}"
# A run folder made immutable by an interrupted run could not be removed.
[ ! -d "$E2E_WORK" ] || chattr -R -i "$E2E_WORK" 2>/dev/null || true
rm -rf "$E2E_WORK"
mkdir -p "$E2E_WORK/app"
cp "$E2E_EXE" "$E2E_WORK/app/tintora.exe"
E2E_APP="$E2E_WORK/app"
E2E_PIDS=()

fail() {
  echo "FAIL: $*" >&2
  import -window root "$E2E_WORK/failure.png" 2>/dev/null || true
  echo "kept: $E2E_WORK (failure.png, app folder)" >&2
  exit 1
}

cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# Runs a Windows program in the background; its PID goes to E2E_PIDS and E2E_LAST_PID.
start_program() {
  local folder="$1"
  shift
  (cd "$folder" && exec wine "$@" </dev/null >>"$E2E_WORK/wine.log" 2>&1) &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

start_tintora() {
  start_program "$E2E_APP" tintora.exe
  TINTORA_PID=$E2E_LAST_PID
}

# wait_until SECONDS DESCRIPTION COMMAND...: polls until the command succeeds.
wait_until() {
  local seconds="$1" what="$2"
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "timed out after ${seconds}s waiting for: $what"
    sleep 0.1
  done
}

probe() { wine "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# The probe's line of the visible top-level window with this title and, optionally, class.
window_line() {
  probe windows | awk -F'\t' -v title="$1" -v cls="${2:-}" '$3 == title && (cls == "" || $2 == cls)'
}

has_window() { [ -n "$(window_line "$@")" ]; }

# Fields of a probe line: handle, rect "l t r b", client "x y w h", exstyle, layered "on key alpha flags".
field_handle() { cut -f1 <<<"$1"; }
field_rect() { cut -f4 <<<"$1"; }
field_client() { cut -f5 <<<"$1" | cut -d' ' -f2-; }
field_exstyle() { cut -f7 <<<"$1" | cut -d' ' -f2; }
field_layered() { cut -f8 <<<"$1" | cut -d' ' -f3-; }
field_enabled() { cut -f10 <<<"$1" | cut -d' ' -f2; }

# The X window of a Windows top-level window, found by its title (newest first).
x_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1; }

# Focuses an X window and types keys into it through the X server, as a keyboard would.
press() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window"
  xdotool key --delay 250 "$@"
}

# Moves the real pointer and waits until it is there (mousemove --sync would wait for a motion
# that never comes when the pointer is already in place).
move_pointer() {
  local X Y SCREEN WINDOW x=$(($1 + E2E_X0)) y=$(($2 + E2E_Y0))
  eval "$(xdotool getmouselocation --shell)"
  [ "$X $Y" = "$x $y" ] || xdotool mousemove --sync "$x" "$y"
}

# The screen pixel at x y as "r,g,b".
pixel() {
  import -window root -crop "1x1+$(($1 + E2E_X0))+$(($2 + E2E_Y0))" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# close_to "r,g,b" "r,g,b" TOLERANCE
close_to() {
  local IFS=,
  read -r r1 g1 b1 <<<"$1"
  read -r r2 g2 b2 <<<"$2"
  local d
  for d in $((r1 - r2)) $((g1 - g2)) $((b1 - b2)); do
    [ "${d#-}" -le "$3" ] || return 1
  done
}

ini_value() {
  local file="$1" section="$2" key="$3"
  [ -f "$file" ] || return 0
  # A file that starts with a UTF-16 mark stays in UTF-16 (Remembered.ini).
  if [ "$(head -c2 "$file" | od -An -tx1 | tr -d ' ')" = fffe ]; then iconv -f UTF-16 -t UTF-8 "$file"; else cat "$file"; fi |
    tr -d '\r' | awk -F= -v s="[$section]" -v k="$key" '
    /^\[/ { in_section = ($0 == s); next }
    in_section && $1 == k { sub(/^[^=]*=/, ""); print; exit }'
}

# ini_is FILE SECTION KEY VALUE
ini_is() { [ "$(ini_value "$1" "$2" "$3")" = "$4" ]; }

expect_eq() {
  [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"
}

pass() { echo "PASS: $E2E_NAME"; }

# The probe's line of the visible top-level window of a class.
class_line() { probe windows | awk -F'\t' -v cls="$1" '$2 == cls' | head -n 1; }
has_class() { [ -n "$(class_line "$1")" ]; }
class_rect_is() { [ "$(field_rect "$(class_line "$1")")" = "$2" ]; }

# The probe's line of the first child of a window with that class.
child_line() { probe children "$1" | awk -F'\t' -v cls="$2" '$2 == cls' | head -n 1; }

# start_notepad [LEFT TOP WIDTH HEIGHT]: by default away from the top-left corner, where Wine
# shows its notification area.
start_notepad() {
  local left="${1:-240}" top="${2:-120}" width="${3:-800}" height="${4:-600}"
  start_program "$E2E_WORK" notepad
  wait_until 20 "notepad's window" has_class Notepad
  probe move "$(field_handle "$(class_line Notepad)")" "$left" "$top" "$width" "$height"
  wait_until 10 "notepad at its place" class_rect_is Notepad "$left $top $((left + width)) $((top + height))"
  NOTEPAD_LINE="$(class_line Notepad)"
  NOTEPAD_EDIT_LINE="$(child_line "$(field_handle "$NOTEPAD_LINE")" Edit)"
}

# Both windows are titled "Tintorav2.0"; the start-up window (the overlay) is the one that
# exists first, the console the other one.
tintora_lines() { probe windows | awk -F'\t' '$3 == "Tintorav2.0"'; }
wait_for_startup_window() {
  wait_until 20 "the start-up window" has_window Tintorav2.0
  STARTUP_HANDLE="$(field_handle "$(tintora_lines | head -n 1)")"
  STARTUP_X="$(x_window Tintorav2.0)"
}
startup_line() { tintora_lines | awk -F'\t' -v h="$STARTUP_HANDLE" '$1 == h'; }
console_line() { tintora_lines | awk -F'\t' -v h="$STARTUP_HANDLE" '$1 != h' | head -n 1; }

has_console() { [ -n "$(console_line)" ]; }
startup_rect_is() { [ "$(field_rect "$(startup_line)")" = "$1" ]; }

# Activates the console with a click on its caption, then types keys into it.
press_console() {
  local l t
  read -r l t _ _ <<<"$(field_rect "$(console_line)")"
  click $((l + 60)) $((t + 8))
  type_keys "$@"
}

# Types keys into the window that has the keyboard, as a user who does not click first.
type_keys() { xdotool key --delay 250 "$@"; }

# The text of the balloon (a tooltip window) on the screen; nothing when none shows.
balloon_text() {
  local line
  line="$(class_line tooltips_class32)"
  [ -z "$line" ] || probe text "$(field_handle "$line")"
}
balloon_says() { [ "$(balloon_text)" = "$1" ]; }

click() {
  move_pointer "$1" "$2"
  xdotool click 1
}

# Starts notepad (at its default place, or LEFT TOP WIDTH HEIGHT) and Tintora, and locks the
# overlay over notepad's text area with a key.
lock_over_notepad() {
  start_notepad "$@"
  lock_over_running_notepad
}

# Starts Tintora and locks the overlay over the text area of the notepad started before.
lock_over_running_notepad() {
  start_tintora
  lock_startup_window_over_notepad
}

# Locks the running Tintora's opening screen over the text area of the notepad started before.
lock_startup_window_over_notepad() {
  wait_for_startup_window
  read -r EDIT_LEFT EDIT_TOP EDIT_RIGHT EDIT_BOTTOM <<<"$(field_rect "$NOTEPAD_EDIT_LINE")"
  press "$STARTUP_X" ctrl+shift+F1
  move_pointer $(((EDIT_LEFT + EDIT_RIGHT) / 2)) $(((EDIT_TOP + EDIT_BOTTOM) / 2))
  wait_until 10 "the rectangle on notepad's text area" startup_rect_is "$EDIT_LEFT $EDIT_TOP $EDIT_RIGHT $EDIT_BOTTOM"
  press "$STARTUP_X" space
  wait_until 10 "the console window" has_console
}

# Double-clicks Tintora's tray icon. Without a desktop's notification area, Wine shows the icons
# in a small window of its own.
double_click_tray_icon() { click_tray_icon 1 --repeat 2 --delay 80; }

# click_tray_icon BUTTON [XDOTOOL CLICK OPTIONS]
click_tray_icon() {
  local tray t_x t_y t_height button="$1"
  shift
  tray="$(window_line "Wine System Tray")"
  [ -n "$tray" ] || fail "no notification area window with the icon"
  read -r t_x t_y _ t_height <<<"$(field_client "$tray")"
  xdotool mousemove --sync $((E2E_X0 + t_x + 12)) $((E2E_Y0 + t_y + t_height / 2)) click "$@" "$button"
}

# choose_in_tray_menu N: a click on the Nth item of the tray icon's menu (items 17 pixels high at
# 96 DPI below a 3-pixel border; the separator comes after the third).
choose_in_tray_menu() {
  local left top
  click_tray_icon 3
  wait_until 5 "the tray icon's menu" has_class "#32768"
  read -r left top _ <<<"$(field_rect "$(class_line "#32768")")"
  xdotool mousemove --sync $((E2E_X0 + left + 30)) $((E2E_Y0 + top + 3 + ($1 - 1) * 17 + 8)) click 1
  wait_until 5 "the menu closed" no_menu
}
no_menu() { ! has_class "#32768"; }

# Writes a settings file as the profile API would find it.
write_ini() {
  mkdir -p "$(dirname "$1")"
  printf '%s\r\n' "${@:2}" >"$1"
}

# The pixel at x y of an image file as "r,g,b".
file_pixel() {
  convert "$1[0]" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Whether the rectangle "l t r b" overlaps no monitor.
on_no_monitor() {
  local l t r b ml mt mr mb _
  read -r l t r b <<<"$1"
  while read -r ml mt mr mb _; do
    [ "$l" -lt "$mr" ] && [ "$r" -gt "$ml" ] && [ "$t" -lt "$mb" ] && [ "$b" -gt "$mt" ] && return 1
  done < <(probe monitors)
  return 0
}
