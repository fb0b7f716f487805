#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the rules fuzzer's seed corpus: short games that reach each part of
the rules, spelt in the event bytes of Events.h. Run it after changing that
encoding: python3 make_seeds.py corpus"""
import pathlib
import struct
import sys

LEFT, UP, RIGHT, DOWN, F3 = 0, 1, 2, 3, 4  # index into the game keys


def key(k, handler=0, shift=0):
    """A game key; `handler` and `shift` pick other bytes that mean the same
    key, so that the corpus keeps its variety of bytes."""
    return [shift * 25 + handler * 5 + k]


def keys(k, n, variant=0):
    """A game key pressed n times (2..16); `variant` 0..3 picks another byte
    for the same key."""
    return [0xE8 + (k - 0xE8) % 5 + 5 * variant, n - 2]


def any_key(code, shift, handler=0):
    return [0x60 + handler] + list(struct.pack("<hh", code, shift))


TICK = [0x68]
LAND = [0x90]  # gravity ticks until the piece lands
CLOCK = [0xA0]


def clock(n16):
    """16 x n16 clock ticks, n16 in 1..16."""
    return [0xA8, n16 - 1]


ANSWERS = {"default": 0, "yes": 1, "no": 2, "ok": 3, "cancel": 4, "zero": 5, "three": 6}


def start(answer="default", nested=()):
    return _question(0xB0, answer, nested)


def exit_(answer="default", nested=()):
    return _question(0xB8, answer, nested)


def _question(base, answer, nested):
    out = [base + ANSWERS[answer]]
    out.append(len(nested))
    for event in nested:
        out += event
    return out


ABOUT = [0xC0]


def level(kind):
    """kind: 0..2 levels 1..3, 3 value 0, 4 value 4, 5 value -1, 6 INT_MIN."""
    return [0xC8 + kind]


def piece(t):
    """Queue a generator value that draws piece type t (1..9)."""
    return [0xD0 + t - 1]


def odd_value(k, arg=0):
    """k: 9 NaN, 10 +inf, 11 -inf, 12 one, 13 below one, 14 list[arg]."""
    return [0xD0 + k] + ([arg] if k == 14 else [])


def raw_value(x):
    return [0xDF] + list(struct.pack("<d", x))


def slip_in(event):
    return [0xE0] + event


def seq(*parts):
    out = []
    for p in parts:
        out += p
    return bytes(out)


LOAD = [0x00]  # scroll bar at 1


def repeat(part, n):
    return part * n


SEEDS = {
    # A few pieces of the fixed sequence falling and landing.
    "start-and-land": seq(LOAD, start(), TICK, TICK, LAND, LAND, LAND, CLOCK),
    # Three lines and a single block fill the bottom row.
    "clear-row": seq(
        LOAD, piece(7), piece(7), piece(7), piece(8), piece(8), start(),
        repeat(key(LEFT), 5), LAND,
        repeat(key(RIGHT, handler=3), 4), LAND,
        LAND,
        key(LEFT, handler=1), key(LEFT, handler=2), LAND,
    ),
    # Two rows at once: six lines fill the two bottom rows but for column 5,
    # then a line turned upright there completes both.
    "clear-two-rows": seq(
        LOAD, repeat(piece(7), 8), start(),
        repeat(key(LEFT), 5), LAND, repeat(key(LEFT), 5), LAND,
        repeat(key(RIGHT), 4), LAND, repeat(key(RIGHT), 4), LAND,
        LAND, LAND,
        TICK, key(UP), repeat(key(LEFT), 2), LAND,
    ),
    # Every kind of turn: general (T), the line both ways, the square's sound.
    "turns": seq(
        LOAD, piece(6), piece(7), piece(5), piece(8), piece(1), piece(9), start(),
        TICK, key(UP), key(UP), key(UP), key(UP), LAND,
        TICK, key(UP), key(UP), key(UP, handler=4), LAND,
        key(UP), LAND,
        key(UP), LAND,
        TICK, key(UP, shift=1), LAND,
        TICK, key(UP, shift=2), key(UP, shift=3), LAND,
    ),
    # Pause, keys ignored while paused, resume.
    "pause": seq(
        LOAD, start(), TICK, key(F3), key(LEFT), key(DOWN), CLOCK, key(F3, handler=2),
        key(RIGHT), LAND, key(F3), start("yes"),
    ),
    # Restart asked and refused, asked and accepted with ticks behind the box.
    "restart": seq(
        LOAD, start(), LAND, start("no"), LAND, start("cancel"),
        start("yes", nested=[TICK, key(DOWN), key(F3), start(), exit_()]), LAND,
    ),
    # Exit refused, then accepted; nothing acts after it.
    "exit": seq(
        LOAD, start(), TICK, exit_("cancel"), exit_("no", nested=[TICK, TICK]), exit_("zero"),
        LAND, exit_("ok"), TICK, key(LEFT), CLOCK, start(), ABOUT, level(1), exit_(),
    ),
    # Pieces piled in the middle until the next one cannot enter, then a new game.
    "game-over": seq(LOAD, start(), repeat(LAND, 30), key(F3), TICK, CLOCK, start(), LAND),
    # Levels in and out of range, and a generator that strays outside [0, 1).
    "levels-and-odd-values": seq(
        [0xC8 + 2],  # loaded at "Hard"
        level(1), level(3), level(4), level(5), level(6), [0xCF, 0xFF, 0xFF, 0xFF, 0x7F],
        odd_value(9), odd_value(10), odd_value(11), odd_value(12), odd_value(13),
        odd_value(14, 0), odd_value(14, 6), raw_value(-2.5), start(),
        repeat(LAND, 6), level(0), ABOUT, LAND, level(2), ABOUT,
    ),
    # An hour of play on the clock, in a paused game.
    "clock-hour": seq(LOAD, start(), key(F3), repeat(clock(16), 15), CLOCK, key(F3), LAND),
    # Events sent inside sounds (a landing, a turn) and keys of every code.
    "sounds-and-keys": seq(
        LOAD, piece(5), piece(8), piece(3), start(),
        slip_in(TICK), LAND,
        slip_in(key(LEFT)), key(UP),
        slip_in(start("yes")), LAND,
        any_key(0, 0), any_key(-1, -1, 4), any_key(112, 1, 3), any_key(38, 7, 1), any_key(-32768, 0),
        keys(RIGHT, 9), keys(DOWN, 16, variant=3),
    ),
}

if __name__ == "__main__":
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "corpus")
    out.mkdir(exist_ok=True)
    for name, data in SEEDS.items():
        (out / name).write_bytes(data)
