#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Enlarged to 32767 x 32767 (no window manager limits it), the window can no
# longer be drawn into, a run-time error. Its dialog opens inside the screen,
# not in the middle of the huge window, and while it waits for the user,
# SIGTERM and SIGINT each end the program within a second with exit status 1
# and take the dialog with them.
source "$(dirname "$0")/lib.sh"
# The signal ends the program on the spot; a second is plenty.
SIGNAL_MS=1000
# The screen that start_xvfb makes.
SCREEN_WIDTH=1280
SCREEN_HEIGHT=1024

# The error dialog: a top-level window captioned exactly Quentavox other than
# the program's own window (xdotool does not match its caption, which is
# stored as UTF-8 only). Fonts for it come with the test packages.
dialog() {
    xwininfo -root -children 2>/dev/null |
        awk -v own="$(printf '0x%x' "$WINDOW")" '$2 == "\"Quentavox\":" && $1 != own { print $1; exit }'
}
dialog_shown() {
    program_running || fail "the program ended instead of showing its error dialog"
    DIALOG=$(dialog)
    [ -n "$DIALOG" ] && xwininfo -id "$DIALOG" | grep -q 'Map State: IsViewable'
}
# geometry ID: the window's left, top, width and height on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print x, y, w, h }'
}

start_xvfb
for signal in TERM INT; do
    start_program
    find_window
    xdotool windowsize "$WINDOW" 32767 32767
    wait_until 30 grep -q 'run-time error: cannot draw into the window' "$WORK/program.err" ||
        fail "no run-time error at 32767 x 32767"
    wait_until 30 dialog_shown || fail "no error dialog on screen"
    read -r x y width height < <(geometry "$DIALOG")
    ((x >= 0 && y >= 0 && x + width <= SCREEN_WIDTH && y + height <= SCREEN_HEIGHT)) ||
        fail "the ${width}x$height dialog at $x,$y is not inside the screen"

    # Waited for rather than polled, so the time is the program's own; a
    # program that ignores the signal is killed after 10 s.
    (sleep 10 && kill -KILL "$PROGRAM_PID") >/dev/null 2>&1 &
    guard=$!
    sent=$(now_ms)
    kill -"$signal" "$PROGRAM_PID"
    status=0
    wait "$PROGRAM_PID" || status=$?
    took=$(($(now_ms) - sent))
    kill "$guard" 2>/dev/null || true
    PROGRAM_PID=""
    echo "SIG$signal: ended $took ms after the signal, status $status"
    ((took <= SIGNAL_MS)) || fail "the program took $took ms to end after SIG$signal"
    [ "$status" -eq 1 ] || fail "exit status $status after SIG$signal, expected 1"
    wait_until 10 eval '[ -z "$(dialog)" ]' || fail "the dialog outlived the program"
done
echo "PASS"
