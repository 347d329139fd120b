#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A picture dropped on the window (XDND, as a file manager drops it) is
# played from where the player stands; one that breaks the level's rules
# changes nothing: its lines go to stderr and into a message box, and once
# that is closed the game goes on in the level it was in.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"

level_with_cell "$WORK/pillar.bmp" 2 3 0 255 0
level_with_cell "$WORK/open.bmp" 0 30 0 0 0
drop() { timeout 60 "$DESKTOP" drop "$WINDOW" "$1" || fail "the window did not take the dropped $1"; }
shows_pillar() { screenshot "$1" && "$RENDER_REFERENCE" --level "$WORK/pillar.bmp" "$1" 12 12 >/dev/null; }

start_window
wait_for_first_frame "$WORK/first.bmp"
drop "$WORK/pillar.bmp"
wait_until "$PATIENCE" shows_pillar "$WORK/dropped.bmp" || fail "the dropped level is not shown within $PATIENCE s"
echo "dropped pillar.bmp: shown"

drop "$WORK/open.bmp"
line="$WORK/open.bmp: error: pixel (0, 30): open cell on the outer ring; the border must be wall so rays and movement never leave the grid"
wait_until "$PATIENCE" grep -qxF "$line" "$WORK/program.err" || fail "no refusal on stderr within $PATIENCE s"
grep -qxF "$WORK/open.bmp: 1 error, 0 warnings" "$WORK/program.err" || fail "the refusal has no count line"
wait_until "$PATIENCE" eval '[ -n "$(message_box)" ]' || fail "no message box within $PATIENCE s"
"$DESKTOP" close "$(message_box)" || fail "the message box could not be closed"
wait_until "$PATIENCE" eval '[ -z "$(message_box)" ]' || fail "the message box is still open"
program_running || fail "the program ended after a refused level"
wait_for_still_frame "$WORK/after.bmp" || fail "no still frame after the refusal"
shows_pillar "$WORK/after.bmp" || fail "the refused picture changed the level"
echo "dropped open.bmp: refused, level kept"
close_window_expecting_exit_0
echo "PASS"
