#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

The platform and the host's libraries are the base; above them stand two stacks that never see
each other: the host program, from its text parsing up to its commands, and the plug-in from its
resources up to its entry points.
"""
import pathlib
import re
import sys

BASE = [("platform/win", 0), ("platform/gdi", 1), ("platform/framework", 2), ("platform/ui", 3),
        ("host/base", 4), ("host/zelmdb", 4), ("host/korlib", 4)]
STACKS = {
    "host": [("host/land", 5), ("host/orvex/text", 6), ("host/orvex/extras", 7), ("host/orvex/export", 8),
             ("host/orvex/requests", 9), ("host/orvex/hosting", 10), ("host/orvex/commands", 11)],
    "plug-in": [("res", 5), ("array", 6), ("output", 7), ("preview", 8), ("padstack", 9),
                ("pages", 10), ("sheet", 11), ("plugin", 12), ("tools/docs", 13)],
}
LAYERS = [(folder, rank, "base") for folder, rank in BASE] + \
         [(folder, rank, stack) for stack, rows in STACKS.items() for folder, rank in rows]
# Folders whose every source lies in one of their ranked sub-folders: a file beside them, or in a
# sub-folder nobody ranked, would escape the check.
SPLIT = ["host/orvex"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(path):
    """The deepest folder of LAYERS that holds `path`, or None outside the layered tree."""
    best = None
    for folder, rank, stack in LAYERS:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best[0])):
            best = (folder, rank, stack)
    return best


def unranked(path):
    """The split folder that holds `path` outside every ranked sub-folder, or None."""
    for folder in SPLIT:
        if path.startswith(folder + "/") and layer_of(path) is None:
            return folder
    return None


def violations(root):
    found = []
    tops = {folder.split("/")[0] for folder, _, _ in LAYERS}
    sources = sorted(p for top in tops for p in (root / top).rglob("*") if p.suffix in (".h", ".cpp"))
    for source in sources:
        relative = source.relative_to(root).as_posix()
        if (split := unranked(relative)) is not None:
            found.append(f"{relative}: lies in no ranked folder of {split}")
            continue
        own = layer_of(relative)
        if own is None:
            continue
        for header in INCLUDE.findall(source.read_text(errors="replace")):
            used = layer_of(header)
            if used is None:
                continue
            if used[2] not in ("base", own[2]) or used[1] > own[1]:
                found.append(f"{relative}: includes {header} ({used[0]} is not below {own[0]})")
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    found = violations(root)
    for line in found:
        print(line)
    print(f"{len(found)} fault(s) against the layers under {root}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
