#!/usr/bin/env python3
"""Fails, naming each one, on a C++ source or header that the project's
.clang-format would change.

Only files git tracks are read, so that build folders and generated sources
are left alone. Without clang-format, or outside a git checkout (a source
tarball), there is nothing to compare against: the test says so and is
skipped.

Usage: clang_format.py SOURCE_TREE
"""

import re
import shutil
import subprocess
import sys

SKIPPED = 77
VIOLATION = re.compile(r"^(.+?):\d+:\d+: (?:error|warning): ", re.MULTILINE)


def tracked_sources(root):
    listed = subprocess.run(
        ["git", "-C", root, "ls-files", "-z", "--", "*.cpp", "*.h"],
        capture_output=True,
        text=True,
    )
    if listed.returncode != 0:
        return None
    return [name for name in listed.stdout.split("\0") if name]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    clang_format = shutil.which("clang-format")
    if clang_format is None:
        print("clang_format: skipped, clang-format is not installed (scripts/setup.sh installs it)")
        return SKIPPED
    files = tracked_sources(root) if shutil.which("git") else None
    if files is None:
        print(f"clang_format: skipped, {root} is not a git checkout to list the sources of")
        return SKIPPED
    checked = subprocess.run(
        [clang_format, "--dry-run", "--Werror", *files], cwd=root, capture_output=True, text=True
    )
    if checked.returncode == 0:
        print(f"clang_format: {len(files)} files as .clang-format has them")
        return 0
    changed = sorted(set(VIOLATION.findall(checked.stderr)))
    if not changed:
        sys.stderr.write(checked.stderr)
        return 1
    print(f"clang_format: .clang-format would change {len(changed)} of {len(files)} files:")
    for name in changed:
        print(f"  {name}")
    print("Run clang-format -i over them.")
    return 1


if __name__ == "__main__":
    sys.exit(main())
