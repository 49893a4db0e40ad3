#!/usr/bin/env bash
# A schedule whose On lies a minute in the past and Off two minutes ahead, with a two-minute fade:
# the locked tint's opacity rises during the fade in, /schedule answers with today's times, and
# after Off the tint is gone.
source "$(dirname "$0")/lib.sh"

# The fades meet half-way through the three minutes: start early in a minute, so that the lock
# comes while the tint still fades in.
while [ "$(date +%-S)" -gt 15 ]; do sleep 1; done
on="$(date -d '-1 min' +%H:%M)"
off="$(date -d '+2 min' +%H:%M)"
write_ini "$E2E_APP/Config/Colour.ini" "[colour]" "A=200" "R=0" "G=0" "B=255"
write_ini "$E2E_APP/Config/Schedule.ini" "[Schedule]" "Enabled=1" "On=$on" "Off=$off" "Fade=2" \
  "Latitude=39.9" "Longitude=116.4"
start_notepad
start_tintora
lock_startup_window_over_notepad

alpha() { field_layered "$(startup_line)" | cut -d' ' -f2; }
alpha_above() { [ "$(alpha)" -gt "$1" ]; }
first="$(alpha)"
[ "$first" -gt 0 ] && [ "$first" -lt 200 ] || fail "the opacity $first is not that of a fade a minute in"
wait_until 15 "the opacity rising above $first" alpha_above "$first"

answer="$(cd "$E2E_APP" && timeout 30 wine tintora.exe /schedule 2>/dev/null </dev/null; echo "exit $?")"
grep -q "$on–$off" <<<"$answer" || fail "/schedule answered: $answer"
grep -q "exit 0" <<<"$answer" || fail "/schedule answered: $answer"

alpha_is_zero() { [ "$(alpha)" = 0 ]; }
wait_until 150 "the tint gone after Off ($off)" alpha_is_zero
pass
