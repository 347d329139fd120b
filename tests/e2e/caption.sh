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

# The captions of the program's window, in order, without repeats.
captions() {
    awk -v id="$(printf '0x%x' "$WINDOW")" '$1 == id { $1 = ""; sub(/^ /, ""); print }' \
        "$WORK/watched" | uniq
}
# Created, then 1fps, then at least two frame-rate updates of a running loop.
enough_captions() {
    [ "$(captions | wc -l)" -ge 4 ]
}
wait_until "$PATIENCE" enough_captions ||
    fail "fewer than 4 captions within $PATIENCE s: $(captions | tr '\n' '|')"
captions >"$WORK/captions"
echo "captions seen: $(tr '\n' '|' <"$WORK/captions")"

[ "$(sed -n 1p "$WORK/captions")" = "Quentavox" ] ||
    fail "the window was not created captioned \"Quentavox\""
[ "$(sed -n 2p "$WORK/captions")" = "Quentavox - 1fps" ] ||
    fail "the first pass did not write \"Quentavox - 1fps\""
while read -r line; do
    [[ "$line" =~ ^Quentavox\ -\ ([0-9]+)fps$ ]] || fail "malformed caption \"$line\""
    rate=${BASH_REMATCH[1]}
    [ "$rate" -ge 1 ] && [ "$rate" -le 200 ] || fail "implausible frame rate in \"$line\""
done < <(tail -n +2 "$WORK/captions")
program_running || fail "the program ended by itself"
echo "PASS"
