#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A walk recorded with --record while keys are held goes to FILE.part as it
# goes on and takes FILE's place when the window closes. --play runs it
# again: it says on stderr that it ended where the recording did, and its
# last frame is the view the renderer draws at the demo's end pose, the
# frame the recording's window showed last. --timedemo plays it with no
# display and prints its figures; a demo cut short plays up to its damage.
# Relative names, so that the Windows build under Wine reads the same files.
source "$(dirname "$0")/lib.sh"
: "${RENDER_REFERENCE:?}" "${DESKTOP:?}"
cd "$WORK"
start_window --record walk.qvd
wait_for_first_frame "$WORK/start.bmp"
focus "$WINDOW"
xdotool keydown Up sleep 0.6 keydown Right sleep 0.4 keyup Up sleep 0.3 keyup Right
wait_for_still_frame "$WORK/recorded.bmp" || fail "the view kept changing after the keys were released"
[ -s walk.qvd.part ] && [ ! -e walk.qvd ] || fail "while recording, walk.qvd.part does not hold the walk alone"
close_window_expecting_exit_0
[ -s walk.qvd ] && [ ! -e walk.qvd.part ] || fail "after closing, walk.qvd is not in place of walk.qvd.part"

start_program --play walk.qvd
find_window
ended() { grep -q '^walk.qvd: played ' program.err; }
wait_until "$PATIENCE" ended || fail "the replay did not end within $PATIENCE s"
verdict=$(tr -d '\r' <program.err)
[[ "$verdict" =~ ^walk.qvd:\ played\ ([0-9]+)\ of\ ([0-9]+)\ ticks\;\ the\ final\ pose\ equals\ the\ recording\'s$ ]] &&
    [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ] || fail "the replay said: $verdict"
echo "$verdict"
wait_for_still_frame "$WORK/replayed.bmp" || fail "the view kept changing after the replay"
"$RENDER_REFERENCE" --demo walk.qvd "$WORK/replayed.bmp" 12 12 || fail "the replay's last frame is not the view at the demo's end"
same_pixels "$WORK/recorded.bmp" "$WORK/replayed.bmp" || fail "the replay ends on another frame than the recording"
close_window_expecting_exit_0

head -c -40 walk.qvd >cut.qvd
for demo in walk.qvd cut.qvd; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$QUENTAVOX" --timedemo "$demo" >out 2>err || status=$?
    [ "$status" -eq 0 ] || fail "--timedemo $demo: status $status: $(cat out err)"
    grep -Eq "^$demo: [0-9]+ frames in [0-9.]+ s, [0-9]+ fps; a frame takes [0-9.]+ times a frame copy to draw" out ||
        fail "--timedemo $demo printed: $(cat out)"
    cat out
done
grep -q '^cut.qvd: warning: the demo is cut short after tick [0-9]*; played up to there' out ||
    fail "--timedemo of a cut demo did not say so: $(cat out)"
echo "PASS"
