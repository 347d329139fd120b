#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without an X display the program does not start: it exits with status 1 and
# says why on stderr in one line of its own, whether DISPLAY is unset or names
# no running server, and no library adds lines of its own before it.
[ -z "${QUENTAVOX_UNDER_WINE:-}" ] || { echo "skipped under Wine: with no display the window cannot be created, so the refusal is worded differently"; exit 77; }
source "$(dirname "$0")/lib.sh"

expect_refusal() { # expect_refusal WHAT ENV-ARGS...
    local what=$1 status=0
    shift
    env "$@" timeout 60 "$QUENTAVOX" >"$WORK/program.out" 2>"$WORK/program.err" || status=$?
    [ "$status" -ne 124 ] || fail "$what: still running after 60 s"
    [ "$status" -eq 1 ] || fail "$what: exit status $status"
    [ "$(wc -l <"$WORK/program.err")" -eq 1 ] || fail "$what: stderr has other lines than the program's own"
    grep -q '^Quentavox: run-time error: cannot open the window: no display' "$WORK/program.err" ||
        fail "$what: no clear message on stderr"
    echo "$what: status $status, $(cat "$WORK/program.err")"
}

# As on a machine without a desktop session, where XDG_RUNTIME_DIR is not set
# either; and with it set, as in a session of another desktop.
expect_refusal "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR
expect_refusal "DISPLAY unset, XDG_RUNTIME_DIR set" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
    XDG_RUNTIME_DIR="$WORK"
# A display number that nothing serves: Xvfb is not started here.
expect_refusal "DISPLAY without a server" -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR DISPLAY=:987
echo "PASS"
