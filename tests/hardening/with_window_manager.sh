#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test on a virtual X display under a window manager, where
# windows stack, lose focus and are placed as players see them.
# Usage: with_window_manager.sh <test executable> [arguments...]
set -uo pipefail

source "$(dirname "$0")/../../scripts/need.sh"
need xvfb Xvfb
need openbox openbox
need x11-utils xprop

work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh"
trap end_session EXIT

# In the sanitizer build: leaks of the system's libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

start_display
start_window_manager
QT_QPA_PLATFORM=xcb "$@"
