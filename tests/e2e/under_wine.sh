#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one end-to-end test against the Windows build under Wine.
#
#   QUENTAVOX_EXE=quentavox.exe WINEPREFIX=DIR under_wine.sh TEST.sh
#
# A test whose check cannot hold under Wine ends with status 77 (skipped)
# after saying why.
set -uo pipefail
here=$(dirname "$0")
: "${QUENTAVOX_EXE:?}" "${WINEPREFIX:?}"
export QUENTAVOX=$here/wine_quentavox QUENTAVOX_UNDER_WINE=1
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

# Each test starts and ends with no Wine process left in the prefix. Wine's
# desktop process stays tied to the X server of the test that started it, and
# every test has one of its own; and CTest would wait for Wine's lingering
# background processes, which hold its output pipe, to end by themselves.
stop_wine() {
    /usr/lib/wine/wineserver64 -k 2>/dev/null
    /usr/lib/wine/wineserver64 -w
}
stop_wine
status=0
bash "$here/$1" || status=$?
stop_wine
exit "$status"
