#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closing the window as a window manager does (WM_DELETE_WINDOW) ends the
# program with exit status 0. How promptly is printed, not checked: a busy
# machine may take long to run the program's last pass.
source "$(dirname "$0")/lib.sh"
: "${CLOSE_WINDOW:?}"
start_window
wait_until "$PATIENCE" eval '[[ "$(caption)" == *fps ]]' ||
    fail "the main loop did not write the caption within $PATIENCE s"

asked=$(now_ms)
"$CLOSE_WINDOW" "$WINDOW" || fail "the close request could not be sent"
wait_until "$PATIENCE" eval '! program_running' ||
    fail "the program still runs $PATIENCE s after the close request"
echo "ended $(($(now_ms) - asked)) ms after the close request (measured by polling)"
status=0
wait "$PROGRAM_PID" || status=$?
PROGRAM_PID=""
[ "$status" -eq 0 ] || fail "exit status $status after a close request"
echo "PASS"
