#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into two prefixes, one of them twice and under DESTDIR
# beside another program's files, then uninstalls it from there with no
# build folder at hand: every file of ours must go, with the folders the
# installation created, while folders that were there before, the other
# program's files and the second prefix stay.
#   BUILD=<build folder> UNINSTALL=<scripts/uninstall> install_test.sh
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stage=$scratch/stage
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# As on Debian, /usr/games exists and is empty; another menu entry is there.
mkdir -p "$stage/usr/games" "$stage/usr/share/applications"
echo other >"$stage/usr/share/applications/other.desktop"
DESTDIR=$stage cmake --install "$BUILD" --prefix /usr >/dev/null
DESTDIR=$stage cmake --install "$BUILD" --prefix /usr >/dev/null
cmake --install "$BUILD" --prefix "$scratch/B" >/dev/null
[ -x "$stage/usr/games/quentavox" ] || fail "the program was not installed"
before_b=$(find "$scratch/B" | sort)

# From a folder with no build in it.
cd "$scratch"
"$UNINSTALL" /usr "$stage"
left=$(cd "$stage" && find . | sort)
expected=$(printf '%s\n' . ./usr ./usr/games ./usr/share ./usr/share/applications \
    ./usr/share/applications/other.desktop)
[ "$left" = "$expected" ] || fail "left under DESTDIR:"$'\n'"$left"$'\n'"expected:"$'\n'"$expected"
[ "$(find "$scratch/B" | sort)" = "$before_b" ] || fail "the other prefix changed"

# Nothing left to remove is said so, and is an error.
if message=$("$UNINSTALL" /usr "$stage" 2>&1); then fail "a second uninstall succeeded"; fi
[[ $message == *"Quentavox is not installed under $stage/usr"* ]] || fail "second uninstall said: $message"
echo "PASS"
