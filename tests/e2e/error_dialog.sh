#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Enlarged to 32767 x 32767 (no window manager limits it), the window can no
# longer be drawn into, a run-time error. Its dialog opens inside the screen,
# not in the middle of the huge window, and while it waits for the user,
# SIGTERM and SIGINT each end the program with exit status 1 and take the
# dialog with them. How soon is printed, not checked: the program ends on the
# spot, but a busy machine may take long to run it.
source "$(dirname "$0")/lib.sh"
# The screen that start_xvfb makes.
SCREEN_WIDTH=1280
SCREEN_HEIGHT=1024

dialog_shown() {
    program_running || fail "the program ended instead of showing its error dialog"
    DIALOG=$(message_box)
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
    wait_until "$PATIENCE" grep -q 'run-time error: cannot draw into the window' "$WORK/program.err" ||
        fail "no run-time error at 32767 x 32767 within $PATIENCE s"
    wait_until "$PATIENCE" dialog_shown || fail "no error dialog on screen within $PATIENCE s"
    read -r x y width height < <(geometry "$DIALOG")
    ((x >= 0 && y >= 0 && x + width <= SCREEN_WIDTH && y + height <= SCREEN_HEIGHT)) ||
        fail "the ${width}x$height dialog at $x,$y is not inside the screen"

    # Waited for rather than polled, so the time is the program's own; a
    # program that ignores the signal is killed, which fails on its status.
    (sleep "$PATIENCE" && kill -KILL "$PROGRAM_PID") >/dev/null 2>&1 &
    guard=$!
    sent=$(now_ms)
    kill -"$signal" "$PROGRAM_PID"
    status=0
    wait "$PROGRAM_PID" || status=$?
    took=$(($(now_ms) - sent))
    kill "$guard" 2>/dev/null || true
    PROGRAM_PID=""
    echo "SIG$signal: ended $took ms after the signal, status $status"
    [ "$status" -eq 1 ] || fail "exit status $status after SIG$signal, expected 1"
    wait_until "$PATIENCE" eval '[ -z "$(message_box)" ]' ||
        fail "the dialog was still there $PATIENCE s after the program ended"
done
echo "PASS"
