#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Enlarging the window to 1000 x 700 re-centres the render box: its outer
# corner goes to 500 - 158 = 342, 350 - 118 = 232, with its sunken border
# there and the frame inside it.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}"

start_window

xdotool windowsize "$WINDOW" 1000 700
resized() {
    [ "$(client_size)" = "1000 700" ]
}
wait_until "$PATIENCE" resized || fail "the window did not take the size 1000 x 700 within $PATIENCE s"
left=342
top=232

frame_in_new_place() {
    screenshot "$WORK/resized.bmp" && "$RENDER_REFERENCE" "$WORK/resized.bmp" "$left" "$top" >/dev/null
}
wait_until "$PATIENCE" frame_in_new_place || fail "the frame is not shown inside the box at 342,232 within $PATIENCE s"

# The sunken border: two rings, dark at the top and left, light at the
# bottom and right; the window's face colour just outside.
right=$((left + 319))
bottom=$((top + 239))
expect_pixel() { # expect_pixel X Y COLOUR WHAT
    local got
    got=$(pixel "$WORK/resized.bmp" "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at ($1, $2) is $got, expected $3"
}
face=$(pixel "$WORK/resized.bmp" 5 5)
expect_pixel $((left - 1)) $((top - 1)) "$face" "outside the box"
expect_pixel $((right + 1)) $((bottom + 1)) "$face" "outside the box"
expect_pixel "$left" "$top" "128,128,128" "outer ring, top left"
expect_pixel $((left + 100)) "$top" "128,128,128" "outer ring, top"
expect_pixel "$right" "$bottom" "255,255,255" "outer ring, bottom right"
expect_pixel $((left + 1)) $((top + 1)) "64,64,64" "inner ring, top left"
expect_pixel $((right - 1)) $((bottom - 1)) "227,227,227" "inner ring, bottom right"
[ "$face" != "128,128,128" ] || fail "the window background has the border's colour"
echo "PASS"
