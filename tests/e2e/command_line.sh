#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The command line: --help and --version answer on stdout and exit 0; a
# wrong option, scale or key binding is refused on stderr with one line and the usage,
# status 2. None of them opens a window: they run with no display, where
# opening one would fail with status 1.
source "$(dirname "$0")/lib.sh"
: "${QUENTAVOX_VERSION:?}"

run() { # run ARGS...: sets STATUS, and OUT and ERR to the program's output
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$QUENTAVOX" "$@" >"$WORK/out" 2>"$WORK/err" || STATUS=$?
    OUT=$(cat "$WORK/out")
    ERR=$(cat "$WORK/err")
}

run --help
[ "$STATUS" -eq 0 ] || fail "--help: status $STATUS"
[ -z "$ERR" ] || fail "--help wrote on stderr: $ERR"
[[ "$OUT" == "Usage: quentavox "* ]] || fail "--help: no usage on stdout: $OUT"
for part in --scale --fullscreen --level --watch --keys --bind --version Up Left comma "game controller" "To quit"; do
    [[ "$OUT" == *"$part"* ]] || fail "--help does not mention $part"
done
usage=$OUT

run --version
[ "$STATUS" -eq 0 ] || fail "--version: status $STATUS"
[ -z "$ERR" ] || fail "--version wrote on stderr: $ERR"
[ "$OUT" = "quentavox $QUENTAVOX_VERSION" ] || fail "--version printed: $OUT"
echo "--version: $OUT"

refused() { # refused FIRST-LINE ARGS...
    local line=$1
    shift
    run "$@"
    [ "$STATUS" -eq 2 ] || fail "$*: status $STATUS"
    [ -z "$OUT" ] || fail "$*: wrote on stdout: $OUT"
    [ "$(head -n1 "$WORK/err")" = "$line" ] || fail "$*: first line on stderr: $(head -n1 "$WORK/err")"
    [ "$(tail -n +2 "$WORK/err")" = "$usage" ] || fail "$*: the usage does not follow the line"
    echo "$*: $line"
}
refused "quentavox: --scale takes a whole number from 1 to 8, not '9'" --scale 9
refused "quentavox: --scale takes a whole number from 1 to 8, not '0'" --fullscreen --scale=0
refused "quentavox: --scale needs a number from 1 to 8" --scale
refused "quentavox: unknown option '--full-screen'" --full-screen
refused "quentavox: --level needs a level picture, LEVEL.bmp" --level
refused "quentavox: unknown action 'jump' in --bind jump=W (the actions are forward, backward, turn-left, turn-right, step-left, step-right)" --bind jump=W
refused "quentavox: unknown key 'Foo' in --bind forward=Foo (keys go by SDL's names, such as W, Up, Space or Keypad 8)" --keys wasd --bind forward=Foo
echo "PASS"
