#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests never install anything: a test whose program is missing fails with
# one line naming the Debian package that has it. scripts/setup.sh test
# installs them all.
#
# Sourced: `need PACKAGE PROGRAM...` exits 1 unless every PROGRAM is on the
# PATH.
# Run: `bash need.sh PACKAGE PROGRAM [ARGS...]` checks PROGRAM, then runs it.

need() {
  local package=$1 program
  shift
  for program in "$@"; do
    if ! command -v "$program" >/dev/null 2>&1; then
      echo "$program is missing: install the Debian package $package (bash scripts/setup.sh test)" >&2
      exit 1
    fi
  done
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
  (($# >= 2)) || {
    echo "usage: ${0##*/} PACKAGE PROGRAM [ARGS...]" >&2
    exit 2
  }
  need "$1" "$2"
  shift
  exec "$@"
fi
