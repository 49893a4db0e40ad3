#!/usr/bin/env bash
# The files of the four encoders, written by the Wine test Encoder.WritesSampleFilesForAnIndependentDecoder,
# read back with ImageMagick: format, size, opacity and the colour of each quadrant.
source "$(dirname "$0")/lib.sh"

tests_exe="$(dirname "$E2E_EXE")/../tests/win32_tests.exe"
[ -f "$tests_exe" ] || fail "win32_tests.exe not found beside the program's build folder ($tests_exe)"
out="$E2E_WORK/encoded"
mkdir -p "$out"
TINTORA_ENCODER_OUT="$(winepath -w "$out" 2>/dev/null)" WINEDEBUG=-all \
  wine "$tests_exe" --gtest_filter=Encoder.WritesSampleFilesForAnIndependentDecoder \
  </dev/null >"$E2E_WORK/gtest.log" 2>&1 || fail "the encoder test failed (see $E2E_WORK/gtest.log)"
grep -q '\[  PASSED  \] 1 test' "$E2E_WORK/gtest.log" || fail "the encoder test did not run (see $E2E_WORK/gtest.log)"

# The sample: 64 x 48, quadrants red, green / blue, yellow.
spots=("16 12 255,0,0" "48 12 0,255,0" "16 36 0,0,255" "48 36 255,255,0")
for entry in "bmp BMP3 0" "jpg JPEG 24" "gif GIF 0" "png PNG 0"; do
  read -r extension format tolerance <<<"$entry"
  file="$out/sample.$extension"
  [ -s "$file" ] || fail "sample.$extension missing or empty"
  # Opaque too: a picture with a zero alpha channel shows nothing in a viewer.
  expect_eq "sample.$extension format, size and opacity" "$(identify -format '%m %w %h %[opaque]' "$file[0]")" \
    "$format 64 48 true"
  for spot in "${spots[@]}"; do
    read -r x y colour <<<"$spot"
    got="$(convert "$file[0]" -crop "1x1+$x+$y" +repage -depth 8 txt:- |
      sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')"
    close_to "$got" "$colour" "$tolerance" || fail "sample.$extension at $x,$y: $got, expected $colour"
  done
done
pass
