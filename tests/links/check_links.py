#!/usr/bin/env python3
"""Fails when the build tree holds a link that leads out of it.

Anything that walks the build tree following links (a backup, `find -L`, a recursive glob) must
stay inside it: a test's link to / would take such a walk over the whole machine, /proc included.
The verdict means something only after every other test ran, so this also fails when ctest
may run a test after it: one that does not require the fixture whose cleanup this check is, or
one whose name another test shares.
"""
import argparse
import collections
import json
import os
import subprocess
import sys


def inside(path, root):
    return path == root or path.startswith(root + os.sep)


def leaving_links(root):
    """(link, its target) for every link below `root` that resolves outside it. Links are not
    followed on the way, so a link to a folder is judged, never walked."""
    root = os.path.realpath(root)
    found = []
    for folder, folders, files in os.walk(root):
        for name in folders + files:
            path = os.path.join(folder, name)
            if os.path.islink(path) and not inside(os.path.realpath(path), root):
                found.append((os.path.relpath(path, root), os.readlink(path)))
    return sorted(found)


def tests_maybe_after(show_only, fixture, own_name):
    """Why tests of `ctest --show-only=json-v1` output may run after this check: ctest orders
    them by name, so a test without the fixture, or one of two of the same name, may. A test
    without a command (a test binary not built in this tree) never runs and is left out."""
    tests = [test for test in json.loads(show_only)["tests"] if "command" in test]
    names = collections.Counter(test["name"] for test in tests)
    reasons = [f"{count} tests are named {name}" for name, count in sorted(names.items()) if count > 1]
    for test in tests:
        required = next((p["value"] for p in test.get("properties", []) if p["name"] == "FIXTURES_REQUIRED"), [])
        if test["name"] != own_name and fixture not in required:
            reasons.append(f"test {test['name']} does not require the fixture {fixture}")
    return reasons


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--ctest", help="with --fixture: check that every other test requires it")
    parser.add_argument("--fixture")
    parser.add_argument("--name", help="this check's own test name")
    args = parser.parse_args()
    failed = False
    for link, target in leaving_links(args.build):
        print(f"{link} -> {target} leads out of {args.build}; a test's scratch must hold copies, "
              "or links within the build tree")
        failed = True
    if args.ctest and args.fixture:
        listing = subprocess.run([args.ctest, "--show-only=json-v1"], cwd=args.build, capture_output=True,
                                 text=True, check=True).stdout
        for reason in tests_maybe_after(listing, args.fixture, args.name):
            print(f"{reason}, so it may run after this check")
            failed = True
    if not failed:
        print(f"no link leads out of {args.build}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
