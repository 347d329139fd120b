#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Windows only, under Wine: the program has no console of its own. Started
# with neither a console nor output handles, as from Explorer, --version and
# a refused option show their text in a message box captioned Quentavox, and
# the program ends when it is answered.
source "$(dirname "$0")/lib.sh"
: "${QUENTAVOX_EXE:?this test runs the Windows build under Wine (under_wine.sh)}"

start_xvfb
# Wine's start with /unix runs the program detached, without handles.
answer_box() { # answer_box ARGS...
    local shot=$WORK/box.png
    /usr/lib/wine/wine64 start /unix "$QUENTAVOX_EXE" "$@" </dev/null >/dev/null 2>&1
    box() { WINDOW=$(xdotool search --onlyvisible --name '^Quentavox$' 2>/dev/null | head -n1) && [ -n "$WINDOW" ]; }
    wait_until 60 box || fail "$*: no message box appeared"
    import -window "$WINDOW" "$shot" 2>>"$WORK/import.log" || fail "$*: cannot take a screenshot of the box"
    # A message box, not the program's 339 x 259 window.
    [ "$(client_size)" != "339 259" ] || fail "$*: the program's window opened instead"
    echo "$*: a box of $(client_size)"
    focus "$WINDOW"
    xdotool key Return
    gone() { ! xdotool search --onlyvisible --name '^Quentavox$' >/dev/null 2>&1; }
    wait_until 30 gone || fail "$*: the box stayed after Return"
}
answer_box --version
answer_box --scale 9
echo "PASS"
