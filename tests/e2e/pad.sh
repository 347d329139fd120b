#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A game controller plugged in while the program runs walks and turns as the
# arrows do, its shoulder button steps sideways as full stop does, and
# unplugging it lets go of what it held. QUENTAVOX is virtual_pad, the
# program with a virtual controller that the lines appended to a file play.
# Each hold is checked as keys.sh checks a key's: the still frame after it
# is one the renderer draws after holding the arrow for some ticks.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}"

MAX_TICKS=3000
LEFT=12
TOP=12

pad() { echo "$*" >>"$WORK/pad"; }
: >"$WORK/pad"
start_xvfb
start_program "$WORK/pad"
find_window
wait_for_start_view "$WORK/start.bmp"
# SDL passes a pad's presses only to a program with the keyboard focus.
xdotool windowfocus --sync "$WINDOW"

pad plug
wait_until "$PATIENCE" grep -q plugged "$WORK/program.out" || fail "the controller was not opened within $PATIENCE s"

# The left stick pushed all the way up, for a second once the view moves,
# walks forward; back within the dead zone it stops.
pad axis lefty -32768
wait_until "$PATIENCE" view_changed_from "$WORK/start.bmp" ||
    fail "the stick pushed up did not change the view within $PATIENCE s"
sleep 1
pad axis lefty -3000
wait_for_still_frame "$WORK/walked.bmp" || fail "the view kept changing after the stick was let go"
walked=$("$RENDER_REFERENCE" "$WORK/walked.bmp" "$LEFT" "$TOP" "Up:$MAX_TICKS") ||
    fail "after the stick the window shows no view reachable by walking: $walked"
echo "walked: $walked"

# The D-pad turns.
pad button dpright 1
wait_until "$PATIENCE" view_changed_from "$WORK/walked.bmp" ||
    fail "the D-pad's right did not turn the view within $PATIENCE s"
pad button dpright 0
wait_for_still_frame "$WORK/turned.bmp" || fail "the view kept changing after the D-pad was let go"
turned=$("$RENDER_REFERENCE" "$WORK/turned.bmp" "$LEFT" "$TOP" "Up:${walked%% *}" "Right:$MAX_TICKS") ||
    fail "after the D-pad the window shows no view reachable by turning: $turned"
echo "turned: $turned"

# The right shoulder button steps sideways; unplugging the pad while it is
# held stops the player.
pad button rightshoulder 1
wait_until "$PATIENCE" view_changed_from "$WORK/turned.bmp" ||
    fail "the right shoulder button did not change the view within $PATIENCE s"
pad unplug
wait_for_still_frame "$WORK/stepped.bmp" || fail "the view kept changing after the pad was unplugged"
stepped=$("$RENDER_REFERENCE" "$WORK/stepped.bmp" "$LEFT" "$TOP" "Up:${walked%% *}" "Right:${turned%% *}" \
    "period:$MAX_TICKS") || fail "after the shoulder button the window shows no view reachable by stepping: $stepped"
echo "stepped: $stepped"
program_running || fail "the program ended"
echo "PASS"
