#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
"""A computer player of your own for Gloob Volleyball, as an example.

The game writes one JSON line a heartbeat with what a player sees; this
program answers each with one line of keys to press (+) or release (-):
left, right and jump. Try it:

    gloob-sim --record match.replay <<'END'
    0 program 2 python3 examples/gloob_player.py
    0 bot 1 easy
    0 click play
    60000 end
    END
"""
import json
import sys

NET = 5767  # the middle of the net, in twips (15 a pixel)
BODY = 1455  # a gloob's width
BALL = 375  # the ball's width
HOME = {1: 8600, 2: 2900}  # where to wait, the middle of each half


def keys_for(seen, held):
    side = seen["side"]
    left, top, step_x, step_y = seen["ball"]
    body_left, body_top, _, jumping = seen["p%d" % side]
    centre = body_left + BODY / 2
    # Where the ball will be a few heartbeats from now, roughly.
    ball = left + BALL / 2 + 6 * step_x
    mine = ball >= NET if side == 1 else ball < NET
    target = ball if mine and seen["play"] else HOME[side]
    want = "left" if target < centre - 100 else "right" if target > centre + 100 else None
    keys = []
    if want != held:
        keys += ["-" + held] if held else []
        keys += ["+" + want] if want else []
    above = body_top - (top + BALL)
    if mine and step_y > 0 and abs(ball - centre) < 300 and 400 < above < 1200 and not jumping:
        keys += ["+jump", "-jump"]
    return keys, want


def main():
    held = None
    for line in sys.stdin:
        keys, held = keys_for(json.loads(line), held)
        print(" ".join(keys), flush=True)


if __name__ == "__main__":
    main()
