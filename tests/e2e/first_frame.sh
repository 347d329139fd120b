#!/usr/bin/env bash
# The first frame the window shows is exactly the frame the renderer draws
# off screen for the start position: (2.5, 2.5) facing angle 0.
source "$(dirname "$0")/lib.sh"

start_with_reference

read -r width height < <(client_size)
[ "$width x $height" = "339 x 259" ] || fail "client area is $width x $height, not 339 x 259"
# 339 / 2 - 316 / 2 = 11.5, placed on the even pixel 12.
read -r left top < <(box_origin "$width" "$height")
[ "$left,$top" = "12,12" ] || fail "the box should be computed at 12,12, not $left,$top"

# Before its first frame the window shows one flat colour where the frame
# goes (Xvfb's black); the first screenshot showing more than that is the
# first frame.
first_frame_shown() {
    screenshot "$WORK/first.bmp" &&
        [ "$(identify -format '%k' "$(frame_region "$WORK/first.bmp" "$left" "$top")")" -gt 1 ]
}
wait_until 30 first_frame_shown || fail "no frame was shown"
same_pixels "$(frame_region "$WORK/first.bmp" "$left" "$top")" "$WORK/reference.bmp" ||
    fail "the first frame differs from the start-position render in" \
        "$(compare -metric AE "$(frame_region "$WORK/first.bmp" "$left" "$top")" \
            "$WORK/reference.bmp" null: 2>&1 || true) pixels"
echo "PASS"
