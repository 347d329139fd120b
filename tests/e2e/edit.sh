#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The editor: --edit a picture that is not there yet, paint with the mouse on
# the map (a drag jumps ten cells in one move) and with a key chosen kind,
# Ctrl+S; the file holds exactly the walled hall and those cells, and the
# view is the start view of that level as the renderer draws it off screen.
# Edited and saved again, the same file holds both. Closing with unsaved
# edits asks first: Escape (Cancel) keeps the program, Return saves and ends.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"
cd "$WORK"

start_window --edit new.bmp
focus "$WINDOW"
wait_until "$PATIENCE" eval '[[ "$(caption)" == "Quentavox - new.bmp - "*fps ]]' ||
    fail "the caption names no level: $(caption)"
# The map's box stands right of the view's part, 339 pixels wide; its
# drawable area begins inside its two-pixel border, flipped left to right.
read -r width height < <(client_size)
panel_top=$((height / 2 - 172))
at_cell() { xdotool mousemove --window "$WINDOW" $((339 + 2 + (63 - $1) * 4 + 2)) $((panel_top + 2 + $2 * 4 + 2)); }
paint() { # paint KEY X0 Y0 X1 Y1: kind KEY, a drag from one cell to the other
    xdotool key "$1"
    at_cell "$2" "$3"
    xdotool mousedown 1
    at_cell "$4" "$5"
    xdotool mouseup 1
}
saved_as() { # saved_as EXPECTED.bmp: Ctrl+S writes exactly that picture
    xdotool key ctrl+s
    wait_until "$PATIENCE" same_pixels new.bmp "$1" || fail "new.bmp is not $1 after Ctrl+S"
    wait_until "$PATIENCE" eval '[[ "$(caption)" != *"new.bmp*"* ]]' || fail "the caption stays unsaved: $(caption)"
}

paint 3 10 20 20 20
wait_until "$PATIENCE" eval '[[ "$(caption)" == "Quentavox - new.bmp* - "*fps ]]' ||
    fail "the caption shows no unsaved edits: $(caption)"
[ ! -e new.bmp ] || fail "new.bmp was written before a save"
convert -size 62x62 xc:black -bordercolor white -border 1 -fill red -draw 'line 10,20 20,20' bmp3:expected.bmp
saved_as expected.bmp
screenshot shot.bmp
"$RENDER_REFERENCE" --level new.bmp shot.bmp 12 $((height / 2 - 118)) ||
    fail "the view is not the start view of the level saved"

paint 5 30 5 30 5
convert expected.bmp -fill lime -draw 'point 30,5' bmp3:twice.bmp
saved_as twice.bmp

paint 1 40 40 41 40
"$DESKTOP" close "$WINDOW"
question() { QUESTION=$(message_box) && [ -n "$QUESTION" ]; }
wait_until "$PATIENCE" question || fail "closing with unsaved edits asked nothing"
focus "$QUESTION"
xdotool key Escape
wait_until "$PATIENCE" eval '! question' || fail "the question stayed after Escape"
program_running || fail "Cancel ended the program"
focus "$WINDOW"
"$DESKTOP" close "$WINDOW"
wait_until "$PATIENCE" question || fail "closing again asked nothing"
focus "$QUESTION"
xdotool key Return
convert twice.bmp -fill yellow -draw 'line 40,40 41,40' bmp3:closed.bmp
wait_until "$PATIENCE" same_pixels new.bmp closed.bmp || fail "Save in the question did not save"
wait_until "$PATIENCE" eval '! program_running' || fail "the program still runs after Save"
wait "$PROGRAM_PID" || fail "exit status $? after saving on close"
PROGRAM_PID=""
echo "PASS"
