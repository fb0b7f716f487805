#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Windows program's window tests under wine on a virtual X display
# under openbox: a window manager, as players have one, and without one wine
# waits about 2 s for each window that closes.
# Usage: window_suite.sh <test executable> <source dir> [test arguments...]
# $WINEPREFIX names the tests' wine prefix (scripts/test.sh makes it).
set -euo pipefail

exe=$1
root=$2
shift 2

source "$root/tests/support/real_game.sh"
source "$root/tests/win32/own_prefix.sh"
need wine wine wineserver
need openbox openbox
need x11-utils xprop

own_prefix
# Large enough for the main window at 200 %.
start_display "$work" 2048x1536
start_window_manager "$work"
wineserver -p >"$work/wineserver.log" 2>&1
wine "$exe" "$@"
