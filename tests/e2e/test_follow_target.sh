#!/usr/bin/env bash
# "跟随目标窗口" (Shift+F9) over notepad's text area, with the real mouse: the overlay follows a drag
# of notepad's title bar and of its corner, a screenshot takes it where it is, it hides while
# notepad is minimised and shows on the screen after every restore and after another program's
# window came and went, and stays when notepad closes; after a restart the choice still holds, and
# once it is turned off, moving notepad leaves the overlay in place.
source "$(dirname "$0")/lib.sh"

start_ini="$E2E_APP/Config/Start.ini"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=255" "G=255" "B=0"

notepad_rect() { field_rect "$(class_line Notepad)"; }
edit_rect() { field_rect "$(child_line "$(field_handle "$(class_line Notepad)")" Edit)"; }
overlay_on_edit() { [ -n "$(startup_line)" ] && startup_rect_is "$(edit_rect)"; }
overlay_hidden() { [ -z "$(startup_line)" ]; }
notepad_gone() { ! has_class Notepad; }
notepad_rect_changed() { [ "$(notepad_rect)" != "$1" ]; }
yellow_at() { local IFS=,; read -r r g b <<<"$(pixel "$1" "$2")"; [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt 130 ]; }

# drag_notepad X Y DX DY: holds the left button at x y on notepad, moves the pointer by dx dy in
# steps as a hand would, lets go, and waits until notepad has moved or changed size.
drag_notepad() {
  local before i
  before="$(notepad_rect)"
  move_pointer "$1" "$2"
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8; do move_pointer $(($1 + $3 * i / 8)) $(($2 + $4 * i / 8)); done
  xdotool mouseup 1
  wait_until 10 "notepad dragged from $1,$2" notepad_rect_changed "$before"
}
title_bar() { local l t r; read -r l t r _ <<<"$(notepad_rect)"; echo $(((l + r) / 2)) $((t + 10)); }

lock_over_notepad
notepad="$(field_handle "$NOTEPAD_LINE")"
wait_until 10 "the yellow tint over notepad" yellow_at $((EDIT_LEFT + 20)) $((EDIT_TOP + 20))
press_console shift+F9
wait_until 10 "Window=1 in Start.ini" ini_is "$start_ini" Follow Window 1

# Moved left and down by its title bar, then made smaller by its bottom-right corner: the overlay
# takes the text area's place, tinted where nothing was tinted before.
drag_notepad $(title_bar) -140 60
wait_until 10 "the overlay on the moved text area" overlay_on_edit
read -r e_left e_top _ _ <<<"$(edit_rect)"
wait_until 10 "the tint at the moved text area's left edge" yellow_at $((e_left + 20)) $((e_top + 20))
read -r _ _ n_right n_bottom <<<"$(notepad_rect)"
drag_notepad $((n_right - 2)) $((n_bottom - 2)) -100 -80
wait_until 10 "the overlay on the resized text area" overlay_on_edit
read -r e_left e_top e_right e_bottom <<<"$(edit_rect)"

# A screenshot is of the overlay where it is now.
press_console shift+F4
wait_until 15 "1.png" test -s "$E2E_APP/Images/1.png"
expect_eq "screenshot size" "$(identify -format '%w %h' "$E2E_APP/Images/1.png")" \
  "$((e_right - e_left)) $((e_bottom - e_top))"

# Minimised, the overlay hides; restored, it is back and on the screen within a second, every time.
for round in 1 2 3; do
  probe syscommand "$notepad" minimize
  wait_until 10 "the overlay hidden with notepad ($round)" overlay_hidden
  probe syscommand "$notepad" restore
  wait_until 10 "the overlay back with notepad ($round)" overlay_on_edit
  wait_until 1 "the tint on the screen after restore $round" yellow_at $((e_left + 20)) $((e_top + 20))
done

# Another program's window comes to the front over the tint and goes away: the tint is on the
# screen again within a second.
start_program "$E2E_WORK" winver
about_line() { window_line "About Wine 8.0"; }
wait_until 20 "winver's window" has_window "About Wine 8.0"
about="$(field_handle "$(about_line)")"
probe move "$about" "$e_left" "$e_top" 300 200
foreground_is() { [ "$(probe foreground)" = "$1" ]; }
wait_until 10 "winver in front" foreground_is "$about"
probe syscommand "$about" close
no_about() { ! has_window "About Wine 8.0"; }
wait_until 10 "winver gone" no_about
wait_until 1 "the tint on the screen after winver went" yellow_at $((e_left + 20)) $((e_top + 20))
probe syscommand "$notepad" close
wait_until 10 "notepad closed" notepad_gone
sleep 0.5
expect_eq "overlay after notepad closed" "$(field_rect "$(startup_line)")" "$e_left $e_top $e_right $e_bottom"

# A new start keeps the choice: the overlay follows without Shift+F9.
kill "$TINTORA_PID"
no_tintora() { ! has_window Tintorav2.0; }
wait_until 10 "the first Tintora gone" no_tintora
lock_over_notepad
expect_eq "Start.ini after the restart" "$(ini_value "$start_ini" Follow Window)" 1
drag_notepad $(title_bar) 120 -40
wait_until 10 "the overlay on the moved text area after the restart" overlay_on_edit

# Turned off, the overlay stays when notepad moves.
press_console shift+F9
wait_until 10 "Window=0 in Start.ini" ini_is "$start_ini" Follow Window 0
kept="$(field_rect "$(startup_line)")"
drag_notepad $(title_bar) -100 50
sleep 0.5
expect_eq "overlay with following off" "$(field_rect "$(startup_line)")" "$kept"
pass
