#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --fullscreen on the 1280 x 1024 display covers it at scale 4, the largest
# at which the 320 x 240 render box fits: a 320 x 256 form, whose box is
# centred as always, at 160 - 158 = 2, 128 - 118 = 10, with the face round
# it. The window closes as any other.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"

start_window --fullscreen
read -r width height < <(client_size)
[ "$width x $height" = "1280 x 1024" ] || fail "the full-screen window is $width x $height"
xwininfo -id "$WINDOW" | grep -q 'Absolute upper-left X: *0$' || fail "the window does not start at the left edge"
xwininfo -id "$WINDOW" | grep -q 'Absolute upper-left Y: *0$' || fail "the window does not start at the top edge"

form_shown() {
    screenshot "$WORK/start.bmp" && unscale "$WORK/start.bmp" 4 "$WORK/start-form.bmp" &&
        "$RENDER_REFERENCE" --window "$WORK/start-form.bmp" 2 10 >/dev/null
}
wait_until "$PATIENCE" form_shown || fail "the form at scale 4 is not the start view with its box at 2, 10"

close_window_expecting_exit_0
echo "PASS"
