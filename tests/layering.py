#!/usr/bin/env python3
"""Fails when a library includes a header it has no business with.

Every folder with sources under src/ is one library (resources/ too), and a
library's subsystem is the first folder below src/. A library may include:
- headers of its own folder;
- headers of a library it links, directly or through others, in its own
  subsystem or in one that its subsystem reaches in the layers that
  ARCHITECTURE.md draws;
- and, when it is a core (it links no Qt, not even through others), only
  cores and no Qt header.
Headers found nowhere in the source tree (the build's generated ones, such as
"base/version.h", and the system's) belong to no library.

Usage: layering.py SOURCE_TREE LIBRARIES
LIBRARIES lists CMake's library and program targets, one a line: the name, its
source folder and the libraries it links, separated by tabs.
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"][^>"]+[>"])', re.MULTILINE)
QT_TARGET = re.compile(r"Qt\d*::")
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def drawn_layers(root):
    """Each subsystem and those it uses directly, from the picture under
    "## Layers": lines "name → lower, lower  anything else"."""
    lines = (root / "ARCHITECTURE.md").read_text(encoding="utf-8").splitlines()
    try:
        start = lines.index("## Layers")
        fence = next(i for i in range(start, len(lines)) if lines[i].startswith("```"))
    except (ValueError, StopIteration):
        sys.exit('layering: ARCHITECTURE.md has no "## Layers" section with a picture')
    uses = {}
    for line in lines[fence + 1 :]:
        if line.startswith("```"):
            break
        if not line or line[0].isspace():
            continue  # a blank line, or one that goes on with the line above
        columns = re.split(r"\s{2,}", line)
        arrow = columns[1] if len(columns) > 1 and columns[1].startswith("→") else "→"
        uses[columns[0]] = {name.strip() for name in arrow[1:].split(",") if name.strip()}
    return uses


def reachable(edges, start):
    """The items of `start` and everything they reach along `edges`."""
    reached, todo = set(), list(start)
    while todo:
        item = todo.pop()
        if item not in reached:
            reached.add(item)
            todo.extend(edges.get(item, ()))
    return reached


def read_targets(root, listing):
    """Folder → its targets, and target → what it links."""
    folders, links = {}, {}
    for line in Path(listing).read_text(encoding="utf-8").splitlines():
        name, folder, *linked = line.split("\t")
        folders.setdefault(Path(folder).resolve().relative_to(root).as_posix(), set()).add(name)
        links[name] = {item for item in linked if item}
    return folders, links


def subsystem_of(folder):
    parts = folder.split("/")
    return parts[1] if parts[0] == "src" else parts[0]


def folder_of(root, include):
    """The folder of an included header of the source tree, else None."""
    for base in (root / "src", root):
        if (base / include).is_file():
            return (base / include).parent.relative_to(root).as_posix()
    return None


def main(root, listing):
    root = Path(root).resolve()
    uses = drawn_layers(root)
    folders, links = read_targets(root, listing)
    linked = {folder: reachable(links, names) for folder, names in folders.items()}
    core = {folder: not any(QT_TARGET.match(item) for item in items)
            for folder, items in linked.items()}

    problems, includes = [], 0
    for folder, names in sorted(folders.items()):
        subsystem = subsystem_of(folder)
        if subsystem not in uses:
            problems.append(f"{folder}: subsystem {subsystem} has no place in the layers "
                            "of ARCHITECTURE.md")
            continue
        allowed = reachable(uses, {subsystem})
        library = ", ".join(sorted(names))
        for source in sorted((root / folder).iterdir()):
            if source.suffix not in SOURCE_SUFFIXES:
                continue
            for written in INCLUDE.findall(source.read_text(encoding="utf-8")):
                includes += 1
                include = written[1:-1]
                where = folder_of(root, include)
                said = f"{source.relative_to(root)} includes {written}"
                if where is None:
                    if core[folder] and include.startswith("Q"):
                        problems.append(f"{said}: {folder} is a core (it links no Qt) and "
                                        "includes no Qt")
                    continue
                if where == folder:
                    continue
                if subsystem_of(where) not in allowed:
                    problems.append(f"{said}: {subsystem_of(where)} is not below {subsystem} "
                                    "in the layers of ARCHITECTURE.md")
                elif core[folder] and not core.get(where, True):
                    problems.append(f"{said}: {folder} is a core (it links no Qt) and uses "
                                    f"only cores, but {where} links Qt")
                elif not folders.get(where, set()) & linked[folder]:
                    problems.append(f"{said}: {library} links no library of {where}, "
                                    "directly or through others")

    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        return 1
    print(f"layering: the {includes} includes of {len(folders)} library folders keep to "
          "the layers")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
