#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
"""Fails naming every test of the build tree that has no TIMEOUT, so that a
test added later cannot hang a run for ever.

usage: every_test_has_a_time_limit.py CTEST BUILD_DIR

Read in one pass: over a thousand tests, CMake's own JSON reader took a
minute on a busy machine."""
import json
import subprocess
import sys

ctest, build_dir = sys.argv[1:3]
listed = subprocess.run([ctest, "--show-only=json-v1"], cwd=build_dir, check=True,
                        capture_output=True, text=True)
tests = json.loads(listed.stdout).get("tests", [])
if not tests:
    sys.exit("no tests listed")
unlimited = [test["name"] for test in tests
             if not any(p.get("name") == "TIMEOUT" for p in test.get("properties", []))]
if unlimited:
    sys.exit(f"{len(unlimited)} of {len(tests)} tests have no TIMEOUT:\n  " +
             "\n  ".join(unlimited))
print(f"all {len(tests)} tests have a TIMEOUT")
