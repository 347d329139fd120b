#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Holding the up arrow walks and holding the right arrow turns: the view
# changes while a key is held, stops changing once it is released, and then
# shows exactly a view that the renderer draws for a position reachable by
# holding those keys from the start.
#
#   keys.sh [WALK-KEY TURN-KEY [OPTION...]]
#
# presses WALK-KEY and TURN-KEY (xdotool's names; default Up and Right) in
# the program started with the OPTIONs, and expects them to walk and turn
# exactly as Up and Right do.
source "$(dirname "$0")/lib.sh"
WALK_KEY=${1:-Up}
TURN_KEY=${2:-Right}
shift $(($# < 2 ? $# : 2))
: "${RENDER_REFERENCE:?}"

# Ticks of one key hold that the reference tool searches: 24 s of holding.
MAX_TICKS=3000
# The render box in the window as it is created (see wait_for_first_frame).
LEFT=12
TOP=12

start_window "$@"
start_view_shown() { screenshot "$WORK/start.bmp" && "$RENDER_REFERENCE" "$WORK/start.bmp" "$LEFT" "$TOP" >/dev/null; }
wait_until "$PATIENCE" start_view_shown || fail "the start view was not shown within $PATIENCE s"
# There is no window manager to give the window the keyboard focus.
focus "$WINDOW"

# Walking forward from the start: whatever the level, the start cell is open
# floor, so the player gets at least to its far edge.
xdotool keydown "$WALK_KEY"
wait_until "$PATIENCE" view_changed_from "$WORK/start.bmp" ||
    fail "holding $WALK_KEY did not change the view within $PATIENCE s"
xdotool keyup "$WALK_KEY"
wait_for_still_frame "$WORK/walked.bmp" || fail "the view kept changing after $WALK_KEY was released"
walked=$("$RENDER_REFERENCE" "$WORK/walked.bmp" "$LEFT" "$TOP" "Up:$MAX_TICKS") ||
    fail "after walking the window shows no view reachable by walking: $walked"
echo "walked: $walked"

# Then turning right where the walk ended.
xdotool keydown "$TURN_KEY"
wait_until "$PATIENCE" view_changed_from "$WORK/walked.bmp" ||
    fail "holding $TURN_KEY did not turn the view within $PATIENCE s"
xdotool keyup "$TURN_KEY"
wait_for_still_frame "$WORK/turned.bmp" || fail "the view kept changing after $TURN_KEY was released"
turned=$("$RENDER_REFERENCE" "$WORK/turned.bmp" "$LEFT" "$TOP" "Up:${walked%% *}" "Right:$MAX_TICKS") ||
    fail "after turning the window shows no view reachable by turning: $turned"
echo "turned: $turned"
program_running || fail "the program ended"
echo "PASS"
