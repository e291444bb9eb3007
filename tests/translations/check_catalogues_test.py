#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
"""The catalogue check passes a finished catalogue and names each fault a
translator can make in one.

    check_catalogues_test.py LUPDATE
"""
import sys
import tempfile
from pathlib import Path

from check_catalogues import problems

FAULTS = Path(__file__).parent / "faults"

FINISHED = {
    "player": '<translation>Spieler %1</translation>',
    "at": '<translation>%1 auf %2</translation>',
    "balls": '<translation><numerusform>%n Ball</numerusform>'
             '<numerusform>%n Bälle</numerusform></translation>',
    "gone": "",
}

# What is changed in the finished catalogue, and what the check must say.
CASES = [
    ("finished", {}, None),
    ("placeholder lost", {"player": "<translation>Spieler</translation>"},
     "placeholders differ in 'Spieler'"),
    ("placeholder doubled", {"at": "<translation>%1 auf %1</translation>"},
     "placeholders differ in '%1 auf %1'"),
    ("count lost in one plural form",
     {"balls": '<translation><numerusform>ein Ball</numerusform>'
               '<numerusform>%n Bälle</numerusform></translation>'},
     "placeholders differ in 'ein Ball'"),
    ("unfinished", {"at": '<translation type="unfinished">%1 auf %2</translation>'},
     "'%1 at %2': unfinished"),
    ("obsolete",
     {"gone": "<message><source>Walk</source><translation>Gehen</translation></message>"},
     "'Walk': no longer in the sources"),
]


def catalogue(parts):
    return f"""<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Faults</name>
    <message><source>Player %1</source>{parts["player"]}</message>
    <message><source>%1 at %2</source>{parts["at"]}</message>
    <message numerus="yes"><source>%n balls</source>{parts["balls"]}</message>
    {parts["gone"]}
</context>
</TS>
"""


def main():
    lupdate = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for name, change, expected in CASES:
            path = Path(folder) / "gloob_de.ts"
            path.write_text(catalogue({**FINISHED, **change}), encoding="utf-8")
            found = problems(str(path), lupdate, str(FAULTS))
            if expected is None and found:
                failures.append(f"{name}: refused: {found}")
            elif expected is not None and not any(expected in p for p in found):
                failures.append(f"{name}: expected {expected!r}, found {found}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
