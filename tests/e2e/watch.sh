#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --watch: a save of the level file is played within about a second; a
# half-written save is refused, and its reason printed once.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${FIXTURES:?}"

cp "$FIXTURES/map.bmp" "$WORK/level.bmp"
level_with_cell "$WORK/pillar.bmp" 2 3 0 255 0
start_window --watch "$WORK/level.bmp"
wait_for_first_frame "$WORK/first.bmp"
"$RENDER_REFERENCE" "$WORK/first.bmp" 12 12 >/dev/null || fail "the first frame is not the level's start view"

cp "$WORK/pillar.bmp" "$WORK/level.bmp"
shows_pillar() { screenshot "$WORK/saved.bmp" && "$RENDER_REFERENCE" --level "$WORK/pillar.bmp" "$WORK/saved.bmp" 12 12 >/dev/null; }
wait_until "$PATIENCE" shows_pillar || fail "the saved level is not shown within $PATIENCE s"
echo "saved: shown"

head -c 5000 "$WORK/pillar.bmp" >"$WORK/level.bmp"
line="$WORK/level.bmp: error: ends after 5,000 bytes; its header needs 12,342"
wait_until "$PATIENCE" grep -qxF "$line" "$WORK/program.err" || fail "no reason for the half-written save within $PATIENCE s"
# Two more checks of the unchanged file at least, on an idle machine. (That
# a refused level changes nothing is the level switch's unit test's and the
# drop test's to see.)
sleep 2.5
[ "$(grep -cxF "$line" "$WORK/program.err")" -eq 1 ] || fail "the reason was printed more than once"
echo "half-written: reason printed once"
close_window_expecting_exit_0
echo "PASS"
