#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checks of the package build_package.sh made: lintian must
# report no error and no warning. Its notes (I:) are shown, and pass.
# Usage: lintian.sh DEB_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/need.sh"
need lintian lintian

shopt -s nullglob
debs=("$1"/*.deb)
if ((${#debs[@]} != 1)); then
  echo "expected one package in $1, found ${#debs[@]}"
  exit 1
fi
# As root lintian says it would rather not be; that line is no finding.
status=0
lintian --fail-on error,warning --display-info "${debs[0]}" 2> >(grep -v 'running with root privileges' >&2) ||
  status=$?
if ((status != 0)); then
  echo "lintian: errors or warnings in ${debs[0]##*/} (status $status)"
  exit 1
fi
echo "lintian: no error and no warning in ${debs[0]##*/}"
