#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window is created captioned "Quentavox"; the first pass of the main loop
# writes "Quentavox - 1fps" (one frame drawn so far), and about once a second
# after that the caption carries the number of frames drawn in the last second.
[ -z "${QUENTAVOX_UNDER_WINE:-}" ] || { echo "skipped under Wine: Wine first maps the window with an empty name and names it a moment later"; exit 77; }
source "$(dirname "$0")/lib.sh"
: "${CAPTION_WATCH:?}"

start_xvfb
# The watcher records from before the program starts, so it sees every
# caption. It says "ready" through the pipe, or closes it if it fails.
mkfifo "$WORK/watch-ready"
"$CAPTION_WATCH" 3>"$WORK/watch-ready" >"$WORK/watched" 2>"$WORK/watch.err" &
read -r -t "$PATIENCE" ready <"$WORK/watch-ready" && [ "$ready" = ready ] ||
    fail "the caption watcher did not start recording within $PATIENCE s: $(cat "$WORK/watch.err")"
start_program
find_window

# The captions of the program's window, in order, without repeats, joined
# by |: created, then 1fps, then at least two frame-rate updates of a running
# loop, each a plausible rate.
captions() {
    awk -v id="$(printf '0x%x' "$WINDOW")" '$1 == id { $1 = ""; sub(/^ /, ""); print }' "$WORK/watched" | uniq |
        tr '\n' '|'
}
enough_captions() { [ "$(captions | tr -cd '|' | wc -c)" -ge 4 ]; }
wait_until "$PATIENCE" enough_captions || fail "fewer than 4 captions within $PATIENCE s: $(captions)"
echo "captions seen: $(captions)"
rate='Quentavox - (1[0-9][0-9]|[1-9][0-9]?)fps'
[[ "$(captions)" =~ ^Quentavox\|Quentavox\ -\ 1fps\|($rate\|)+$ ]] ||
    fail "the window was not created captioned \"Quentavox\", then \"Quentavox - 1fps\", then frame rates: $(captions)"
program_running || fail "the program ended by itself"
echo "PASS"
