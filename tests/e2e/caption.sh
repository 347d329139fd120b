#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window is created captioned "Quentavox"; the first pass of the main loop
# writes "Quentavox - 1fps" (one frame drawn so far), and about once a second
# after that the caption carries the number of frames drawn in the last second.
[ -z "${QUENTAVOX_UNDER_WINE:-}" ] || { echo "skipped under Wine: Wine first maps the window with an empty name and names it a moment later"; exit 77; }
source "$(dirname "$0")/lib.sh"

# A window's first caption is set in the same breath as the window is made
# and replaced a few milliseconds later, too soon for anything that starts
# watching the window once it is seen. So the program talks to the display
# through xtrace, which writes down each request it passes on. Its display
# is the server's number plus 1000, clear of the servers that other tests
# start at the same time.
start_xvfb
program=$QUENTAVOX
QUENTAVOX=xtrace
start_program -n -d "$DISPLAY" -D ":$((${DISPLAY#:} + 1000))" -o "$WORK/trace" -- "$program"
find_window

# The program's captions, in order, without repeats, joined by |: created,
# then 1fps, then at least two frame-rate updates of a running loop, each a
# plausible rate.
captions() {
    sed -n "s/.*ChangeProperty mode=Replace.*(\"WM_NAME\").* data='\(.*\)'$/\1/p" "$WORK/trace" | uniq | tr '\n' '|'
}
enough_captions() { [ "$(captions | tr -cd '|' | wc -c)" -ge 4 ]; }
wait_until "$PATIENCE" enough_captions || fail "fewer than 4 captions within $PATIENCE s: $(captions)"
echo "captions seen: $(captions)"
rate='Quentavox - (1[0-9][0-9]|[1-9][0-9]?)fps'
[[ "$(captions)" =~ ^Quentavox\|Quentavox\ -\ 1fps\|($rate\|)+$ ]] ||
    fail "the window was not created captioned \"Quentavox\", then \"Quentavox - 1fps\", then frame rates: $(captions)"
program_running || fail "the program ended by itself"
echo "PASS"
