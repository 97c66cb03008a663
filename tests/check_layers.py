#!/usr/bin/env python3
# Lists every include of a header from a higher layer, or from a peer of the
# same level, in the program's sources; exits 1 when there is one. The same
# check as the build's include fences, readable without a build:
#   python3 tests/check_layers.py [source folder]
import os
import re
import sys

# Lowest first. Folders of one level are peers and include none of each other.
LEVELS = [
    ['platform'],
    ['ui'],
    ['rules'],
    ['content'],
    ['state'],
    ['screens', 'exercise', 'results', 'print'],
    ['app', 'course'],
]
LEVEL = {folder: n for n, folders in enumerate(LEVELS) for folder in folders}


def layer(path):
    top = path.split('/')[0]
    return top if top in LEVEL else None


def upward_includes(root):
    found = []
    for folder in LEVEL:
        for dirpath, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                path = os.path.relpath(os.path.join(dirpath, name), root).replace(os.sep, '/')
                mine = layer(path)
                with open(os.path.join(root, path), encoding='utf-8', errors='replace') as f:
                    for number, line in enumerate(f, 1):
                        m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
                        if not m:
                            continue
                        other = layer(m.group(1))
                        if other is None or other == mine:
                            continue
                        if LEVEL[other] >= LEVEL[mine]:
                            found.append(f'{path}:{number}: {m.group(1)}')
    return found


if __name__ == '__main__':
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    bad = upward_includes(root)
    for line in bad:
        print(line)
    print('upward includes:', len(bad))
    sys.exit(1 if bad else 0)
