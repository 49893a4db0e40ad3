#!/usr/bin/env bash
# Screenshots with the keyboard after a lock over notepad, the console clicked once: a counter at
# its top refuses the shot; after a reset, the four formats, opaque, numbered by the counter, of
# the overlay's size, showing the tint over notepad and not the console; a reset again; then an
# Images that is a file: no file, the counter kept, and a balloon that says so.
source "$(dirname "$0")/lib.sh"

meter_file="$E2E_APP/Config/Screenshotstatistics.ini"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=128" "R=0" "G=0" "B=255"
write_ini "$meter_file" "[Screenshotstatistics]" "Meter=2147483647"
lock_over_notepad
width=$((EDIT_RIGHT - EDIT_LEFT)) height=$((EDIT_BOTTOM - EDIT_TOP))
console="$(console_line)"
read -r c_left c_top c_right c_bottom <<<"$(field_rect "$console")"

# Wait for the first tint: blue over notepad's white.
spot_x=$((EDIT_LEFT + 10)) spot_y=$((EDIT_BOTTOM - 10))
blue_tint() { local IFS=,; read -r r g b <<<"$(pixel $spot_x $spot_y)"; [ "$b" -gt 200 ] && [ "$r" -lt 200 ]; }
wait_until 10 "a blue tint over notepad" blue_tint
expected="$(pixel $spot_x $spot_y)"

# A point of notepad's white text area under the console, if the console covers part of it.
max() { echo $(($1 > $2 ? $1 : $2)); }
min() { echo $(($1 < $2 ? $1 : $2)); }
o_left=$(max $((EDIT_LEFT + 25)) "$c_left") o_right=$(min $((EDIT_RIGHT - 25)) "$c_right")
o_top=$(max $((EDIT_TOP + 25)) "$c_top") o_bottom=$(min $((EDIT_BOTTOM - 25)) "$c_bottom")
overlap=""
if [ "$o_left" -lt "$o_right" ] && [ "$o_top" -lt "$o_bottom" ]; then
  overlap="$(((o_left + o_right) / 2)) $(((o_top + o_bottom) / 2))"
fi

press_console shift+F4
wait_until 15 "the balloon on the counter at its top" \
  balloon_says "截图未保存：截图次数已达上限，请先清空截图次数统计。"
expect_eq "files after a refused shot" "$(ls -A "$E2E_APP/Images")" ""
expect_eq "Meter after a refused shot" "$(ini_value "$meter_file" Screenshotstatistics Meter)" 2147483647
type_keys shift+F8
wait_until 5 "Meter 0" ini_is "$meter_file" Screenshotstatistics Meter 0

# The console keeps the keyboard from shot to shot.
keys=(shift+F1 shift+F2 shift+F3 shift+F4)
files=(1.bmp 2.jpg 3.gif 4.png)
formats=(BMP3 JPEG GIF PNG)
tolerance=(8 24 40 8)
for i in 0 1 2 3; do
  type_keys "${keys[$i]}"
  file="$E2E_APP/Images/${files[$i]}"
  wait_until 15 "${files[$i]}" test -s "$file"
  wait_until 5 "Meter $((i + 1))" ini_is "$meter_file" Screenshotstatistics Meter $((i + 1))
  # Opaque too: a picture with a zero alpha channel shows nothing in a viewer.
  expect_eq "${files[$i]} format, size and opacity" "$(identify -format '%m %w %h %[opaque]' "$file[0]")" \
    "${formats[$i]} $width $height true"
  x=$((spot_x - EDIT_LEFT)) y=$((spot_y - EDIT_TOP))
  got="$(convert "$file[0]" -crop "1x1+$x+$y" +repage -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')"
  close_to "$got" "$expected" "${tolerance[$i]}" || fail "${files[$i]} at $x,$y: $got, the screen showed $expected"
  # Where the console stands over the overlay, the picture shows the tint, not the console.
  if [ -n "$overlap" ]; then
    read -r ox oy <<<"$overlap"
    got="$(convert "$file[0]" -crop "1x1+$((ox - EDIT_LEFT))+$((oy - EDIT_TOP))" +repage -depth 8 txt:- |
      sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')"
    close_to "$got" "$expected" "${tolerance[$i]}" || fail "${files[$i]} shows the console at $ox,$oy: $got"
  fi
  read -r l t r b <<<"$(field_rect "$(console_line)")"
  expect_eq "console back at its place" "$l $t $r $b" "$c_left $c_top $c_right $c_bottom"
done

type_keys shift+F8
wait_until 5 "Meter 0" ini_is "$meter_file" Screenshotstatistics Meter 0
type_keys shift+F4
wait_until 15 "1.png after the reset" sh -c "identify -format '%m' '$E2E_APP/Images/1.png' | grep -q PNG"
[ -s "$E2E_APP/Images/1.bmp" ] || fail "1.bmp must stay"
wait_until 5 "Meter 1" ini_is "$meter_file" Screenshotstatistics Meter 1

mv "$E2E_APP/Images" "$E2E_WORK/Images.kept"
echo "a file where the folder was" >"$E2E_APP/Images"
type_keys shift+F4
not_written() { balloon_text | grep -qE '^截图未保存：.*\\Images\\2\.png：.+'; }
wait_until 15 "the balloon on a picture that could not be written" not_written
expect_eq "Meter after a failed write" "$(ini_value "$meter_file" Screenshotstatistics Meter)" 1
[ -f "$E2E_APP/Images" ] || fail "Images must stay a file"
expect_eq "files beside the program" "$(ls -A "$E2E_APP" | sort | tr '\n' ' ')" "Config Images tintora.exe "
pass
