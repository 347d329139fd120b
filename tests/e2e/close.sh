#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closing the window as a window manager does (WM_DELETE_WINDOW) ends the
# program with exit status 0.
source "$(dirname "$0")/lib.sh"
: "${CLOSE_WINDOW:?}"
start_window
wait_until "$PATIENCE" eval '[[ "$(caption)" == *fps ]]' ||
    fail "the main loop did not write the caption within $PATIENCE s"

close_window_expecting_exit_0
echo "PASS"
