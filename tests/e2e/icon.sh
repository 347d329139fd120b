#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window carries the icon compiled into the program, as the _NET_WM_ICON
# property that task bars read: 64 x 64 pixels, exactly those of
# packaging/desktop/window_icon.bmp (colours, transparency, rows in order).
source "$(dirname "$0")/lib.sh"
ICON_BMP="$(dirname "$0")/../../packaging/desktop/window_icon.bmp"

start_window

# The property as plain numbers: width, height, then one ARGB value for each
# pixel, rows from the top.
xprop -id "$WINDOW" -f _NET_WM_ICON 32c '=$0+\n' _NET_WM_ICON >"$WORK/icon.prop" ||
    fail "xprop could not read the window"
grep -q '^_NET_WM_ICON[^=]*=' "$WORK/icon.prop" || fail "the window has no icon: $(head -c 200 "$WORK/icon.prop")"
sed 's/^_NET_WM_ICON[^=]*=//' "$WORK/icon.prop" | tr -d ' ' | tr ',' '\n' | sed '/^$/d' >"$WORK/icon.values"
size="$(sed -n 1,2p "$WORK/icon.values" | tr '\n' ' ')"
[ "$size" = "64 64 " ] || fail "the icon is $size pixels, not 64 64"

convert "bmp:$ICON_BMP" -depth 8 rgba:- | od -An -v -tu1 -w4 |
    awk '{ printf "%.0f\n", $4 * 16777216 + $1 * 65536 + $2 * 256 + $3 }' >"$WORK/expected.values"
tail -n +3 "$WORK/icon.values" | cmp -s - "$WORK/expected.values" ||
    fail "the window's icon differs from $ICON_BMP (values in $WORK/icon.values)"
program_running || fail "the program ended"
echo "PASS"
