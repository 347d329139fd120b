#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closing the window as a window manager does (WM_DELETE_WINDOW) ends the
# program promptly with exit status 0.
source "$(dirname "$0")/lib.sh"
: "${CLOSE_WINDOW:?}"
# Generous for a loaded machine; the program itself ends within one pass.
CLOSE_SECONDS=10

start_window
wait_until 30 eval '[[ "$(caption)" == *fps ]]' || fail "the main loop never wrote the caption"

asked=$(now_ms)
"$CLOSE_WINDOW" "$WINDOW" || fail "the close request could not be sent"
wait_until "$CLOSE_SECONDS" eval '! program_running' ||
    fail "the program still runs $CLOSE_SECONDS s after the close request"
echo "ended $(($(now_ms) - asked)) ms after the close request (measured by polling)"
status=0
wait "$PROGRAM_PID" || status=$?
PROGRAM_PID=""
[ "$status" -eq 0 ] || fail "exit status $status after a close request"
echo "PASS"
