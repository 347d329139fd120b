#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The first frame the window shows is exactly the frame the renderer draws
# off screen for the start position: (2.5, 2.5) facing angle 0.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}"

start_window

read -r width height < <(client_size)
[ "$width x $height" = "339 x 259" ] || fail "client area is $width x $height, not 339 x 259"

wait_for_first_frame "$WORK/first.bmp"
"$RENDER_REFERENCE" "$WORK/first.bmp" 12 12 || fail "the first frame is not the start-position render"
echo "PASS"
