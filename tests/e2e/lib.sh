# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests and scripts/soak: a private X server, the
# program running in it, screenshots, and waiting for conditions.
#
# The caller sets QUENTAVOX (the program); the tests also set RENDER_REFERENCE
# and DESKTOP (the helper tools built beside them), and check those they use.
# Everything a test makes goes into $WORK, which is removed when the test
# passes and kept for a look when it fails.

set -euo pipefail

: "${QUENTAVOX:?QUENTAVOX must name the program to test}"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quentavox-e2e.XXXXXX")
XVFB_PID=""
PROGRAM_PID=""
WINDOW=""
# How long to wait for anything that takes well under a second on an idle
# machine. Generous, as a busy machine may run the program (under the
# sanitizers, too) many times slower; a test fails only once it runs out.
PATIENCE=120

cleanup() {
    local status=$?
    local job
    # The program first, while its display is still there; Xvfb last. The
    # signal ends it even behind its error dialog; KILL is for a hang.
    if [ -n "$PROGRAM_PID" ]; then
        kill "$PROGRAM_PID" 2>/dev/null || true
        wait_until 5 eval '! program_running' || kill -KILL "$PROGRAM_PID" 2>/dev/null || true
    fi
    for job in $(jobs -p); do
        [ "$job" = "$XVFB_PID" ] || kill "$job" 2>/dev/null || true
    done
    [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null || true; }
    wait 2>/dev/null || true
    if [ "$status" -eq 0 ]; then
        rm -rf "$WORK"
    else
        echo "screenshots and logs kept in $WORK" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$XVFB_PID" ] && ! kill -0 "$XVFB_PID" 2>/dev/null; then
        echo "(Xvfb on ${DISPLAY:-its display} is no longer running)" >&2
    fi
    if [ -s "$WORK/program.err" ]; then
        echo "--- program stderr:" >&2
        cat "$WORK/program.err" >&2
    fi
    exit 1
}

# Milliseconds on a monotonic-enough clock, for deadlines and measurements.
now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until
# it succeeds; fails (status 1) if it never does within SECONDS.
wait_until() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Starts Xvfb on a display number it picks itself (so parallel tests never
# collide) and points DISPLAY at it. No window manager runs. The root window
# is plain black, so a window shows one flat colour until it draws.
# Xvfb writes the number to the pipe once it listens, and from then on a
# client that connects is served, so no probe is needed. -noreset: by default
# the server resets whenever its last client leaves, and a client connecting
# during the reset is turned away ("cannot open display"); a probe, or any
# helper client, that connects and leaves before the program would provoke it.
start_xvfb() {
    mkfifo "$WORK/display"
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -br -nolisten tcp 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local number
    # An Xvfb that ends without writing closes the pipe, so this returns at
    # once; the deadline is only for one that hangs.
    read -r -t 120 number <"$WORK/display" ||
        fail "Xvfb did not announce a display within 120 s: $(cat "$WORK/xvfb.log")"
    DISPLAY=":$number"
    export DISPLAY
    unset WAYLAND_DISPLAY
}

# start_program [ARGUMENT...]: the program, with its command line.
start_program() { "$QUENTAVOX" "$@" >"$WORK/program.out" 2>"$WORK/program.err" & PROGRAM_PID=$!; }

# The usual start of a test: its own X server and the program's window up.
start_window() {
    start_xvfb
    start_program "$@"
    find_window
}

# An ended program stays a zombie until it is waited for, so its state is
# read rather than probed with a signal.
program_running() { [[ "$(ps -o stat= -p "$PROGRAM_PID")" == [^Z]* ]]; }

# Closes the window as a window manager does (WM_DELETE_WINDOW) and expects
# the program to end with exit status 0. How promptly is printed, not
# checked: a busy machine may take long to run the program's last pass.
close_window_expecting_exit_0() {
    local asked status=0
    asked=$(now_ms)
    "$DESKTOP" close "$WINDOW" || fail "the close request could not be sent"
    wait_until "$PATIENCE" eval '! program_running' ||
        fail "the program still runs $PATIENCE s after the close request"
    echo "ended $(($(now_ms) - asked)) ms after the close request (measured by polling)"
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=""
    [ "$status" -eq 0 ] || fail "exit status $status after a close request"
}

# Waits for the program's window to be on screen and sets WINDOW to its id.
find_window() {
    visible_window() {
        program_running || fail "the program ended before its window appeared"
        # Its error dialog is captioned Quentavox too.
        ! grep -q 'run-time error' "$WORK/program.err" || fail "the program reported an error"
        WINDOW=$(xdotool search --onlyvisible --name '^Quentavox' 2>/dev/null | head -n1)
        [ -n "$WINDOW" ]
    }
    wait_until "$PATIENCE" visible_window || fail "no visible window captioned Quentavox within $PATIENCE s"
}

caption() { xdotool getwindowname "$WINDOW"; }

# focus WINDOW: gives WINDOW the keyboard. A window that is found but not
# yet viewable (Wine maps its windows in steps) refuses the focus with an
# X error that ends xdotool, so it is asked again until it takes it.
focus() {
    wait_until "$PATIENCE" xdotool windowfocus --sync "$1" 2>>"$WORK/xdotool.log" ||
        fail "window $1 never took the focus: $(tail -n 3 "$WORK/xdotool.log")"
}

# client_size: prints the window's client width and height.
client_size() {
    xwininfo -id "$WINDOW" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }'
}

# screenshot FILE: the window's client area as a 24-bit BMP, which both
# ImageMagick and the reference tool read.
screenshot() { import -window "$WINDOW" "bmp3:$1" 2>>"$WORK/import.log"; }

# same_pixels A B: true when two images are identical pixel for pixel.
same_pixels() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

# unscale SHOT N OUT: for a SHOT of a window at scale N, every pixel of it
# an N x N block, writes the picture in form pixels to OUT. Fails when any
# block is not of one colour. A strip narrower than a block at the right or
# bottom is left out.
unscale() {
    local width height
    read -r width height < <(identify -format '%w %h' "$1")
    local blocks="$((width / $2 * $2))x$((height / $2 * $2))"
    convert "$1" -crop "$blocks+0+0" +repage "bmp3:$WORK/blocks.bmp"
    convert "$WORK/blocks.bmp" -sample "$((width / $2))x$((height / $2))!" "bmp3:$3"
    convert "$3" -sample "$blocks!" "bmp3:$WORK/blocks-again.bmp"
    same_pixels "$WORK/blocks.bmp" "$WORK/blocks-again.bmp"
}

# pixel SHOT X Y: the colour at one point, as "r,g,b".
pixel() {
    identify -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' "$1"
}

# view_changed_from SHOT: whether the view differs from SHOT now; outside the
# render box nothing ever changes.
view_changed_from() { screenshot "$WORK/moving.bmp" && ! same_pixels "$WORK/moving.bmp" "$1"; }

# wait_for_still_frame FILE: waits until two screenshots taken half a second
# apart are identical, and leaves the later one in FILE; fails after
# $PATIENCE seconds.
wait_for_still_frame() {
    still() { screenshot "$WORK/earlier.bmp" && sleep 0.5 && screenshot "$1" && same_pixels "$WORK/earlier.bmp" "$1"; }
    wait_until "$PATIENCE" still "$1"
}

# wait_for_first_frame FILE: waits for the first frame of a window at scale
# 1 and leaves its screenshot in FILE. Before its first frame the window
# shows one flat colour where the frame goes (Xvfb's black); the first
# screenshot showing more than that is the first frame. 339 / 2 - 316 / 2 =
# 11.5 puts the box on the even pixel 12, and the 316 x 236 frame inside its
# two-pixel border.
wait_for_first_frame() {
    first_frame_shown() { screenshot "$1" && [ "$(identify -format '%k' "$1[316x236+14+14]")" -gt 1 ]; }
    wait_until "$PATIENCE" first_frame_shown "$1" || fail "no frame was shown within $PATIENCE s"
}

# message_box: the id of a shown top-level window captioned exactly Quentavox
# other than the program's own (xdotool does not match its caption, which is
# stored as UTF-8 only): the error dialog or a message box. Wine creates its
# boxes before it maps them, and may keep them unmapped after, so only one
# on screen counts. Fonts for it come with the test packages.
message_box() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null |
        awk -v own="$(printf '0x%x' "$WINDOW")" '$2 == "\"Quentavox\":" && $1 != own { print $1 }'); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
            echo "$id"
            return
        fi
    done
}

# level_with_cell OUT X Y R G B: the fixture level with the cell (X, Y)
# painted in one colour, written to OUT. The fixture is 24 bits a pixel,
# bottom row first, 192 bytes a row after a 54-byte header.
level_with_cell() {
    : "${FIXTURES:?}"
    [ -e "$1" ] || cp "$FIXTURES/map.bmp" "$1"
    printf "\\x$(printf %02x "$6")\\x$(printf %02x "$5")\\x$(printf %02x "$4")" |
        dd of="$1" bs=1 seek=$((54 + (63 - $3) * 192 + $2 * 3)) conv=notrunc status=none
}
