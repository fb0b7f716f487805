#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test on a virtual X display under a window manager, where
# windows stack, lose focus and are placed as players see them.
# Usage: with_window_manager.sh <test executable> [arguments...]
set -uo pipefail

source "$(dirname "$0")/../support/real_game.sh"
need openbox openbox
need x11-utils xprop

start_display "$work"
start_window_manager "$work"
QT_QPA_PLATFORM=xcb "$@"
