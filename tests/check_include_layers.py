#!/usr/bin/env python3
"""Fails on an #include between folders of src/ that the layer order in
src/layers.txt does not allow, on a core file that includes a win/ header or
<windows.h>, and on a cycle among the folders. Usage: check_include_layers.py SRC"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)


def read_layers(path):
    order, extra = [], set()
    for line in path.read_text().splitlines():
        line = line.split('#', 1)[0].strip()
        if not line:
            continue
        if '->' in line:
            a, b = (part.strip() for part in line.split('->'))
            extra.add((a, b))
        else:
            order.append(line)
    return order, extra


def allowed(source, target, order, extra):
    """Whether folder `source` (like "text" or "text/win") may include `target`."""
    if source == target or (source, target) in extra:
        return True
    s_core, s_win = source.removesuffix('/win'), source.endswith('/win')
    t_core, t_win = target.removesuffix('/win'), target.endswith('/win')
    if s_core not in order or t_core not in order:
        return False
    s_rank, t_rank = order.index(s_core), order.index(t_core)
    if t_win:
        return s_win and t_rank < s_rank
    return t_rank < s_rank or (s_win and t_core == s_core)


def node(folder):
    """The layer a folder belongs to: its top folder, or that folder's win/ side."""
    parts = folder.split('/')
    return parts[0] + ('/win' if 'win' in parts[1:] else '')


def find_cycle(edges):
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)
    state = {}

    def visit(node, path):
        state[node] = 'open'
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 'open':
                return path + [node, nxt]
            if nxt not in state:
                found = visit(nxt, path + [node])
                if found:
                    return found
        state[node] = 'done'
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def main():
    src = Path(sys.argv[1])
    order, extra = read_layers(src / 'layers.txt')
    problems, edges = [], set()
    for file in sorted(p for p in src.rglob('*') if p.suffix in ('.h', '.cpp')):
        folder = node(str(file.parent.relative_to(src)))
        for kind, name in INCLUDE.findall(file.read_text(encoding='utf-8')):
            if kind == '<':
                if name.lower() == 'windows.h' and not folder.endswith('/win'):
                    problems.append(f'{file.relative_to(src)}: a core file includes <windows.h>')
                continue
            if '/' not in name:
                continue
            target = node(str(Path(name).parent))
            if target != folder:
                edges.add((folder, target))
            if not allowed(folder, target, order, extra):
                problems.append(f'{file.relative_to(src)}: {folder} may not include {name}')
    cycle = find_cycle(edges)
    if cycle:
        problems.append('the folders form a cycle: ' + ' -> '.join(cycle))
    for p in problems:
        print(p)
    print(f'{len(edges)} edges between folders, {len(problems)} not allowed')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
