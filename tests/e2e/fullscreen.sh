#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --fullscreen on the 1280 x 1024 display covers it at scale 4, the largest
# at which the 320 x 240 render box fits: a 320 x 256 form, whose box is
# centred as always, at 160 - 158 = 2, 128 - 118 = 10. No key gains a
# meaning there, and the window closes as any other.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"

start_window --fullscreen
read -r width height < <(client_size)
[ "$width x $height" = "1280 x 1024" ] || fail "the full-screen window is $width x $height"
xwininfo -id "$WINDOW" | grep -q 'Absolute upper-left X: *0$' || fail "the window does not start at the left edge"
xwininfo -id "$WINDOW" | grep -q 'Absolute upper-left Y: *0$' || fail "the window does not start at the top edge"

start_view_shown() {
    screenshot "$WORK/start.bmp" && unscale "$WORK/start.bmp" 4 "$WORK/start-form.bmp" &&
        "$RENDER_REFERENCE" "$WORK/start-form.bmp" 2 10 >/dev/null
}
wait_until 30 start_view_shown || fail "the start view is not shown at scale 4 with its box at 2, 10"
[ "$(pixel "$WORK/start.bmp" 0 0)" = "$(pixel "$WORK/start.bmp" 1279 1023)" ] ||
    fail "the face does not surround the box"

# Keys that commonly leave full screen do nothing here.
xdotool windowfocus --sync "$WINDOW"
xdotool key Escape F11 alt+Return
sleep 0.5
wait_for_still_frame "$WORK/after-keys.bmp" || fail "the view kept changing"
same_pixels "$WORK/start.bmp" "$WORK/after-keys.bmp" || fail "a key that means nothing changed the window"
[ "$(client_size)" = "1280 1024" ] || fail "a key that means nothing resized the window"
program_running || fail "a key that means nothing ended the program"

close_window_expecting_exit_0
echo "PASS"
