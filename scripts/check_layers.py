#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the floors of src/: every #include "..." goes to the same folder or to a folder
on a lower floor, the folders' include graph has no circle, no file includes itself through
others, and third-party headers appear only in the folders that wrap them.

The build already refuses an include of a folder a target does not link; this script adds
what a build can't see (a circle between two files of one folder, a library header used
outside its wrapper) and says in words what is wrong. Exit code 1 on any finding."""

import os
import re
import sys

# Each folder of src/ and its floor. A folder may include only its own files and those of
# folders on lower floors (and, on the same floor, none).
FLOORS = {
    "base": 0,
    "wav": 1,
    "codec": 2,
    "audio": 2,
    "audio/pulse": 3,
    "waveform": 3,
    "analysis": 3,
    "phone": 3,
    "recording": 4,
    "cliplist": 5,
    "waveform/ui": 6,
    "pagekit": 6,
    "cliplist/ui": 7,
    "recording/ui": 7,
    "convert/ui": 7,
    "shell": 8,
    "app": 9,
    "cli": 9,
}

# Third-party headers, by the first part of their path or their name, and the folders that
# wrap them.
THIRD_PARTY = {
    "libavformat/": {"codec"},
    "libavcodec/": {"codec"},
    "libavutil/": {"codec"},
    "libavfilter/": {"codec"},
    "libswresample/": {"codec"},
    "lame/": {"codec"},
    "ebur128.h": {"codec"},
    "pulse/": {"audio/pulse"},
    "qm-dsp/": {"analysis"},
    "libmtp.h": {"phone"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(rel):
    return os.path.dirname(rel)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    root = os.path.normpath(root)
    files = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            if name.endswith((".h", ".cpp")):
                rel = os.path.relpath(os.path.join(dirpath, name), root)
                files[rel] = os.path.join(dirpath, name)

    problems = []
    graph = {}
    folder_edges = {}
    for rel, path in sorted(files.items()):
        folder = folder_of(rel)
        if folder not in FLOORS:
            problems.append(f"{rel}: the folder {folder}/ has no floor in scripts/check_layers.py")
            continue
        graph[rel] = []
        with open(path, encoding="utf-8") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, target = match.groups()
                if kind == "<":
                    for prefix, owners in THIRD_PARTY.items():
                        if target == prefix or target.startswith(prefix):
                            if folder not in owners:
                                problems.append(
                                    f"{rel}:{number}: <{target}> belongs to "
                                    f"{', '.join(sorted(owners))}/ only")
                    continue
                if target.startswith("moc_") or target.endswith(".moc"):
                    continue
                if target not in files:
                    if kind == '"' and "/" in target:
                        problems.append(f"{rel}:{number}: \"{target}\" is not a file of src/")
                    continue
                graph[rel].append(target)
                to = folder_of(target)
                if to == folder:
                    continue
                folder_edges.setdefault(folder, set()).add(to)
                if FLOORS.get(to, 99) >= FLOORS[folder]:
                    problems.append(
                        f"{rel}:{number}: includes {target}, which is on floor "
                        f"{FLOORS.get(to)} ({to}/), not below floor {FLOORS[folder]} ({folder}/)")

    problems += cycles(graph, "file")
    problems += cycles({k: sorted(v) for k, v in folder_edges.items()}, "folder")

    for problem in problems:
        print(problem)
    if problems:
        print(f"check_layers: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print(f"check_layers: {len(files)} files in {len(FLOORS)} floors, no upward include, no circle")
    return 0


def cycles(graph, what):
    found = []
    state = {}
    stack = []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in graph.get(node, []):
            if state.get(nxt) == 1:
                loop = stack[stack.index(nxt):] + [nxt]
                found.append(f"{what} circle: {' -> '.join(loop)}")
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node)
    return found


if __name__ == "__main__":
    sys.exit(main())
