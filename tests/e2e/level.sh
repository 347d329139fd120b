#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A level picture named on the command line: the window shows as its first
# frame the start view of that level, as the renderer draws it off screen;
# the main loop then writes the caption, and closing the window as a window
# manager does (WM_DELETE_WINDOW) ends the program with exit status 0. A
# picture that breaks the level's rules is refused with the level check's
# lines and exit status 2 before any window opens: it runs with no display,
# where opening one would fail with status 1.
# Relative names, so that the Windows build under Wine reads the same files.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"
cd "$WORK"

# A green pillar one cell ahead of the start.
level_with_cell pillar.bmp 2 3 0 255 0
start_window pillar.bmp
wait_for_first_frame "$WORK/first.bmp"
"$RENDER_REFERENCE" --level pillar.bmp first.bmp 12 12 || fail "the first frame is not the level's start view"
! "$RENDER_REFERENCE" first.bmp 12 12 >/dev/null || fail "the first frame shows the built-in level"
wait_until "$PATIENCE" eval '[[ "$(caption)" == *fps ]]' ||
    fail "the main loop did not write the caption within $PATIENCE s"
close_window_expecting_exit_0

# Under Wine the window comes first: once Wine has run without a display, it
# opens no window until it is restarted.
level_with_cell hole.bmp 0 30 0 0 0
status=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$QUENTAVOX" hole.bmp >out 2>err || status=$?
[ "$status" -eq 2 ] || fail "a refused level: status $status, not 2"
[ ! -s out ] || fail "a refused level wrote on stdout: $(cat out)"
expected="hole.bmp: error: pixel (0, 30): open cell on the outer ring; the border must be wall so rays and movement never leave the grid
hole.bmp: 1 error, 0 warnings"
[ "$(tr -d '\r' <err)" = "$expected" ] || fail "a refused level printed:
$(cat err)"
echo "refused: $(tail -n1 err)"
echo "PASS"
