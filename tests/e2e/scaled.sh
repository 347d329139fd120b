#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scaled.sh [N]: the window at --scale N (default 1) is the window at scale 1
# with every pixel shown as an N x N block: the first frame, and the frames
# after a resize to a size that is no whole number of blocks, where the form
# is the window's size divided by N, its box centred as always with its
# sunken border round it, and the strip left over shows the face. (Keys are
# the key test's.) The window closes as at scale 1.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"
SCALE=${1:-1}

start_window --scale "$SCALE"
read -r width height < <(client_size)
[ "$width x $height" = "$((339 * SCALE)) x $((259 * SCALE))" ] ||
    fail "client area is $width x $height at scale $SCALE"

# The frame in form pixels; see wait_for_first_frame for the box at 12, 12.
first_frame_shown() {
    screenshot "$WORK/first.bmp" && unscale "$WORK/first.bmp" "$SCALE" "$WORK/first-form.bmp" &&
        "$RENDER_REFERENCE" "$WORK/first-form.bmp" 12 12 >/dev/null
}
wait_until "$PATIENCE" first_frame_shown || fail "the first frame is not the start view at scale $SCALE"

# 1001 x 801 is no whole number of blocks at scale 2 or 3. The box goes to
# half the form's size less half the frame's, rounded to even as always;
# the whole form, face and border too, is compared with the window that the
# program's own code paints.
xdotool windowsize "$WINDOW" 1001 801
wait_until "$PATIENCE" eval '[ "$(client_size)" = "1001 801" ]' || fail "the window did not take the size 1001 x 801"
form_width=$((1001 / SCALE))
form_height=$((801 / SCALE))
left=$(awk -v size="$form_width" 'BEGIN { printf "%.0f", size / 2 - 158 }')
top=$(awk -v size="$form_height" 'BEGIN { printf "%.0f", size / 2 - 118 }')
form_in_new_place() {
    screenshot "$WORK/resized.bmp" && unscale "$WORK/resized.bmp" "$SCALE" "$WORK/resized-form.bmp" &&
        "$RENDER_REFERENCE" --window "$WORK/resized-form.bmp" "$left" "$top" >/dev/null
}
wait_until "$PATIENCE" form_in_new_place ||
    fail "after the resize the form is not the start view at $left, $top of a $form_width x $form_height form"
face=$(pixel "$WORK/resized.bmp" 0 0)
[ "$(pixel "$WORK/resized.bmp" 1000 400)" = "$face" ] || fail "the strip at the right is not the face"
[ "$(pixel "$WORK/resized.bmp" 500 800)" = "$face" ] || fail "the strip at the bottom is not the face"

close_window_expecting_exit_0
echo "PASS"
