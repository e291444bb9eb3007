#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
"""Fails naming each message of a catalogue that a player would see wrong:
one still unfinished, one the sources no longer hold, one the sources hold
but the catalogue lacks, or a translation whose placeholders (%1) differ
from its source's.

    check_catalogues.py LUPDATE SOURCES CATALOGUE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def placeholders(text):
    # %1, %12, %L1, and %n where a count chooses the plural form.
    return sorted(re.findall(r"%L?(?:\d+|n)", text or ""))


def translations(translation):
    forms = translation.findall("numerusform")
    return [form.text for form in forms] if forms else [translation.text]


def problems(catalogue, lupdate, sources):
    found = []
    with tempfile.TemporaryDirectory() as folder:
        # The catalogue as the sources would make it now, beside the one kept.
        fresh = Path(folder) / Path(catalogue).name
        shutil.copy(catalogue, fresh)
        subprocess.run([lupdate, "-silent", "-locations", "none", sources, "-ts", str(fresh)],
                       check=True)
        for context in ET.parse(fresh).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                kind = translation.get("type")
                where = f"{catalogue}: {name}: {source!r}"
                if kind in ("obsolete", "vanished"):
                    found.append(f"{where}: no longer in the sources")
                elif kind == "unfinished":
                    found.append(f"{where}: unfinished")
                else:
                    found += [f"{where}: placeholders differ in {text!r}"
                              for text in translations(translation)
                              if placeholders(text) != placeholders(source)]
    return found


def main():
    lupdate, sources, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
    found = [p for catalogue in catalogues for p in problems(catalogue, lupdate, sources)]
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
