#!/usr/bin/env bash
# Holding the up arrow walks and holding the right arrow turns: the view
# changes while a key is held, stops changing once it is released, and then
# shows exactly a frame that the renderer draws for a position reachable by
# holding those keys from the start.
source "$(dirname "$0")/lib.sh"

# Virtual-key codes, as the program's key table and the reference tool use them.
UP=38
RIGHT=39
# Ticks of one key hold that the reference tool searches: 24 s of holding.
MAX_TICKS=3000

start_with_reference
read -r width height < <(client_size)
read -r left top < <(box_origin "$width" "$height")
frame_x=$((left + 2))
frame_y=$((top + 2))

shows() { # shows SHOT IMAGE: the frame in SHOT is IMAGE
    same_pixels "$(frame_region "$1" "$left" "$top")" "$2"
}
start_view_shown() {
    screenshot "$WORK/start.bmp" && shows "$WORK/start.bmp" "$WORK/reference.bmp"
}
wait_until 30 start_view_shown || fail "the start view was never shown"

view_changed_from() {
    screenshot "$WORK/moving.bmp" && ! shows "$WORK/moving.bmp" "$(frame_region "$1" "$left" "$top")"
}

# Walking forward from the start: whatever the level, the start cell is open
# floor, so the player gets at least to its far edge.
hold_key Up
wait_until 30 view_changed_from "$WORK/start.bmp" || { release_key Up; fail "holding up did not change the view"; }
release_key Up
wait_for_still_frame "$WORK/walked.bmp" || fail "the view kept changing after up was released"
walked=$("$RENDER_REFERENCE" --match "$WORK/walked.bmp" "$frame_x" "$frame_y" "$UP" "$MAX_TICKS") ||
    fail "after walking the window shows no frame reachable by walking: $walked"
echo "walked: $walked"
walk_ticks=${walked%% *}

# Then turning right where the walk ended.
hold_key Right
wait_until 30 view_changed_from "$WORK/walked.bmp" || { release_key Right; fail "holding right did not turn the view"; }
release_key Right
wait_for_still_frame "$WORK/turned.bmp" || fail "the view kept changing after right was released"
turned=$("$RENDER_REFERENCE" --match "$WORK/turned.bmp" "$frame_x" "$frame_y" \
    "$UP:$walk_ticks,$RIGHT" "$MAX_TICKS") ||
    fail "after turning the window shows no frame reachable by turning: $turned"
echo "turned: $turned"
program_running || fail "the program ended"
echo "PASS"
