#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A level picture named on the command line: the first frame is the start
# view of that level, as the renderer draws it off screen. A picture that
# breaks the level's rules is refused with the level check's lines and exit
# status 2 before any window opens: it runs with no display, where opening
# one would fail with status 1. Relative names, so that the Windows build
# under Wine reads the same files.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}"
cd "$WORK"

# A green pillar one cell ahead of the start.
level_with_cell pillar.bmp 2 3 0 255 0
start_window pillar.bmp
wait_for_first_frame "$WORK/first.bmp"
"$RENDER_REFERENCE" --level pillar.bmp first.bmp 12 12 || fail "the first frame is not the level's start view"
! "$RENDER_REFERENCE" first.bmp 12 12 >/dev/null || fail "the first frame shows the built-in level"
close_window_expecting_exit_0

# Under Wine the window comes first: once Wine has run without a display, it
# opens no window until it is restarted.

# Seven holes in the top border and a wall on the start cell.
for x in 10 11 12 13 14 15 16; do level_with_cell holes.bmp "$x" 0 0 0 0; done
level_with_cell holes.bmp 2 2 255 255 255
status=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$QUENTAVOX" holes.bmp >out 2>err || status=$?
[ "$status" -eq 2 ] || fail "a refused level: status $status, not 2"
[ ! -s out ] || fail "a refused level wrote on stdout: $(cat out)"
expected="holes.bmp: error: pixel (10, 0): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
holes.bmp: error: pixel (11, 0): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
holes.bmp: error: pixel (12, 0): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
holes.bmp: error: pixel (13, 0): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
holes.bmp: error: pixel (14, 0): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
holes.bmp: error: and 2 more pixels like this
holes.bmp: error: pixel (2, 2): the start cell must be open floor, not wall code 2
holes.bmp: 8 errors, 0 warnings"
[ "$(tr -d '\r' <err)" = "$expected" ] || fail "a refused level printed:
$(cat err)"
echo "refused: $(tail -n1 err)"
echo "PASS"
