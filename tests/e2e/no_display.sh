#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without an X display the program does not start: it exits non-zero and says
# why on stderr, whether DISPLAY is unset or names no running server.
[ -z "${QUENTAVOX_UNDER_WINE:-}" ] || { echo "skipped under Wine: with no display the window cannot be created, so the refusal is worded differently"; exit 77; }
source "$(dirname "$0")/lib.sh"

expect_refusal() { # expect_refusal WHAT ENV-ARGS...
    local what=$1 status=0
    shift
    env "$@" timeout 60 "$QUENTAVOX" >"$WORK/program.out" 2>"$WORK/program.err" || status=$?
    [ "$status" -ne 0 ] || fail "$what: exit status 0"
    [ "$status" -ne 124 ] || fail "$what: still running after 60 s"
    grep -q '^Quentavox: run-time error: cannot open the window: no display' "$WORK/program.err" ||
        fail "$what: no clear message on stderr"
    echo "$what: status $status, $(grep '^Quentavox' "$WORK/program.err")"
}

expect_refusal "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
# A display number that nothing serves: Xvfb is not started here.
expect_refusal "DISPLAY without a server" -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:987
echo "PASS"
