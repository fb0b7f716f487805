#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Instructions of a callgrind profile by the library that ran them.

Usage: callgrind_libraries.py GAME.out FLOOR.out

Prints one row per group of libraries (the font matching, the font
rasteriser, text shaping, the system's PNG decoding, the C library, the
dynamic loader, Qt, the program's own code and the rest) with the game's and the floor's instructions and the
difference, in millions, and the totals last. Each instruction counts once,
for the library whose code ran it (callgrind's self cost).
"""

import collections
import re
import sys

# Groups by the library file's name; the first that matches wins.
GROUPS = [
    ("fontconfig (and expat)", re.compile(r"libfontconfig|libexpat")),
    ("FreeType", re.compile(r"libfreetype")),
    ("HarfBuzz", re.compile(r"libharfbuzz")),
    ("PNG (libpng, zlib)", re.compile(r"libpng|libz\.")),
    ("libc", re.compile(r"/libc\.so")),
    ("dynamic loader", re.compile(r"ld-linux")),
    ("Qt", re.compile(r"libQt6")),
    # The game decodes its pictures with its own PNG reader, counted here.
    ("the program itself", re.compile(r"/(stackfall|ui_floor_window)$")),
]
OTHER = "the rest"
ORDER = [name for name, _ in GROUPS] + [OTHER]


def group_of(library):
    for name, pattern in GROUPS:
        if pattern.search(library):
            return name
    return OTHER


def self_cost_by_group(path):
    """Sums the self cost of every function by its object's group.

    In callgrind's format a cost line follows an `ob=` (the object now
    running) and `fn=`; the line after `calls=` is the inclusive cost of a
    call, already counted in the callee, and is skipped. Names are
    compressed: `(id) name` the first time, `(id)` after.
    """
    names = {}
    cost = collections.Counter()
    current = OTHER
    skip_next = False
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if skip_next:
                skip_next = False
                continue
            first = line[:1]
            if first.isdigit() or first in "+-*":
                fields = line.split()
                if len(fields) >= 2:
                    cost[current] += int(fields[1])
            elif line.startswith(("ob=", "cob=")):
                m = re.match(r"c?ob=(?:\((\d+)\))?\s*(.*)", line.rstrip("\n"))
                ident, name = m.group(1), m.group(2)
                if ident is not None and name:
                    names[ident] = name
                elif ident is not None:
                    name = names.get(ident, "?")
                if line.startswith("ob="):
                    current = group_of(name)
            elif line.startswith("calls="):
                skip_next = True
    return cost


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    game = self_cost_by_group(sys.argv[1])
    floor = self_cost_by_group(sys.argv[2])

    def row(name, g, f):
        print(f"  {name:<24} {g / 1e6:9.1f} M {f / 1e6:9.1f} M {(g - f) / 1e6:+9.1f} M")

    print(f"  {'':<24} {'Stackfall':>11} {'floor':>11} {'difference':>11}")
    for name in ORDER:
        row(name, game[name], floor[name])
    row("total", sum(game.values()), sum(floor.values()))


if __name__ == "__main__":
    main()
