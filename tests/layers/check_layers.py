#!/usr/bin/env python3
"""Fails when a source includes a layer above its own, a window area includes
another area, or the includes of the program form a cycle."""
import os
import re
import sys

# paths/ lies under all three programs: where each finds its files.
LAYERS = {'paths': 0, 'core': 1, 'card': 2, 'ui': 3, 'printing': 3, 'courses': 4, 'golfers': 4, 'scoring': 4, 'stats': 4,
          'history': 4, 'handicap': 4, 'trends': 4, 'shell': 5}
WINDOW_AREAS = {name for name, rank in LAYERS.items() if rank == 4}
# The two other programs: teebook-cli on the core alone, teeguide on its own
# (its includes are relative to help/).
ALLOWED = {'cli': {'cli', 'core', 'paths'}, 'help': {'rtf', 'profile', 'paths'}}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def sources(top):
    for folder in list(LAYERS) + list(ALLOWED):
        for root, _, files in os.walk(os.path.join(top, folder)):
            for name in files:
                if name.endswith(('.h', '.cpp')):
                    path = os.path.join(root, name)
                    yield os.path.relpath(path, top).replace(os.sep, '/')


def main(top):
    graph = {}
    faults = []
    for source in sources(top):
        with open(os.path.join(top, source), encoding='utf-8') as text:
            includes = [i for i in INCLUDE.findall(text.read()) if '/' in i]
        own = source.split('/')[0]
        base = top if own != 'help' else os.path.join(top, own)
        graph[source] = [os.path.relpath(os.path.join(base, i), top).replace(os.sep, '/') for i in includes
                         if os.path.exists(os.path.join(base, i))]
        for included in includes:
            other = included.split('/')[0]
            if own in ALLOWED:
                if other not in ALLOWED[own]:
                    faults.append(f'{source} includes {included}: {own}/ may use only {sorted(ALLOWED[own])}')
            elif other in ALLOWED or LAYERS.get(other, -1) > LAYERS[own]:
                faults.append(f'{source} includes {included}, a layer above {own}/')
            elif own in WINDOW_AREAS and other in WINDOW_AREAS and other != own:
                faults.append(f'{source} includes {included}: window areas reach each other by name only')

    state = {}

    def visit(node, path):
        state[node] = 'open'
        for nxt in graph.get(node, []):
            if state.get(nxt) == 'open':
                faults.append('include cycle: ' + ' -> '.join(path[path.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])

    for fault in faults:
        print(fault)
    print(f'{len(graph)} sources checked, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
