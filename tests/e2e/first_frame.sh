#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The first frame the window shows is exactly the frame the renderer draws
# off screen for the start position: (2.5, 2.5) facing angle 0.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}"

start_window

read -r width height < <(client_size)
[ "$width x $height" = "339 x 259" ] || fail "client area is $width x $height, not 339 x 259"

# Before its first frame the window shows one flat colour where the frame
# goes (Xvfb's black); the first screenshot showing more than that is the
# first frame. 339 / 2 - 316 / 2 = 11.5 puts the box on the even pixel 12,
# and the frame inside its border.
read -r view_width view_height border < <("$RENDER_REFERENCE" --box)
first_frame_shown() {
    screenshot "$WORK/first.bmp" &&
        [ "$(identify -format '%k' "$WORK/first.bmp[${view_width}x${view_height}+$((12 + border))+$((12 + border))]")" -gt 1 ]
}
wait_until "$PATIENCE" first_frame_shown || fail "no frame was shown within $PATIENCE s"
"$RENDER_REFERENCE" "$WORK/first.bmp" 12 12 || fail "the first frame is not the start-position render"
echo "PASS"
