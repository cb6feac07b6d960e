#!/usr/bin/env python3
"""Fails when a source folder includes a folder above it, when the Qt-free core includes Qt,
or when a folder other than platform includes a system header.

Usage: check-layers.py SRC_DIR

Every `#include "folder/..."` in src/<folder>/ is checked against ALLOWED below. The core
(everything but ui) must build without Qt, so it may not include a Qt header either. Only
platform/ calls the system (POSIX or Windows), so only it includes the system's headers.
"""

import re
import sys
from pathlib import Path

MESSAGES = ["messages"]
PLATFORM = MESSAGES + ["platform"]
LOWEST = PLATFORM + ["chart"]
LEVEL2 = LOWEST + ["validation", "files"]
LEVEL3 = LEVEL2 + ["report", "settings"]
LEVEL4 = LEVEL3 + ["members"]
LEVEL5 = LEVEL4 + ["import", "standings", "recovery"]

# The folders each folder may include besides itself. Folders on one level stay independent
# of each other, so either can change without the other noticing.
ALLOWED = {
    "messages": [],
    "platform": MESSAGES,
    "chart": PLATFORM,
    "validation": LOWEST,
    "files": LOWEST,
    "report": LEVEL2,
    "settings": LEVEL2,
    "members": LEVEL3,
    "import": LEVEL4,
    "standings": LEVEL4,
    "recovery": LEVEL4,
    "document": LEVEL5,
    "cli": LEVEL5 + ["document"],
    "ui": LEVEL5 + ["document"],
}
QT_ALLOWED = {"ui"}
SYSTEM_ALLOWED = {"platform"}
# Headers of the operating system rather than of C++ or a library: POSIX, Linux, Windows.
SYSTEM_HEADER = re.compile(
    r"^(unistd|fcntl|poll|signal|spawn|dirent|dlfcn|pwd|grp|termios|syslog|pthread|sched"
    r"|windows|winbase|winnt|winuser|windef|winsock2?|ws2tcpip|shellapi|shlobj|knownfolders"
    r"|objbase|io|direct|process|psapi|tlhelp32|userenv|aclapi|sddl|ntdef)\.h$"
    r"|^(sys|linux|asm|arpa|netinet|net)/", re.IGNORECASE)

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/.*|q[a-z0-9_]+\.h)$")
SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc", ".cxx", ".inl"}


def included_folder(src: Path, file: Path, target: str):
    """The src folder a quoted include names, or None when it names none."""
    if target.startswith("."):
        resolved = (file.parent / target).resolve()
        try:
            parts = resolved.relative_to(src.resolve()).parts
        except ValueError:
            return None
    else:
        parts = Path(target).parts
    if len(parts) < 2 or not (src / parts[0]).is_dir():
        return None
    return parts[0]


def check_file(src: Path, folder: str, file: Path):
    problems = []
    text = file.read_text(encoding="utf-8", errors="replace")
    for number, line in enumerate(text.splitlines(), start=1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quote, target = match.groups()
        where = f"{file.relative_to(src.parent)}:{number}"
        if folder not in QT_ALLOWED and QT_HEADER.match(target):
            problems.append(f"{where}: the Qt-free {folder}/ includes the Qt header <{target}>")
            continue
        if folder not in SYSTEM_ALLOWED and SYSTEM_HEADER.match(target):
            problems.append(f"{where}: {folder}/ includes the system header <{target}>; "
                            f"system calls go through platform/")
            continue
        if quote != '"':
            continue
        other = included_folder(src, file, target)
        if other is None or other == folder:
            continue
        if other not in ALLOWED:
            problems.append(f"{where}: includes {target}, but {other}/ has no place in the "
                            f"layer table of {Path(__file__).name}")
        elif other not in ALLOWED[folder]:
            problems.append(f"{where}: {folder}/ may not include {other}/ ({target}); "
                            f"{folder}/ may use: {', '.join(ALLOWED[folder]) or 'nothing'}")
    return problems


def check_tree(src: Path):
    problems = []
    for folder_path in sorted(p for p in src.iterdir() if p.is_dir()):
        folder = folder_path.name
        if folder not in ALLOWED:
            problems.append(f"src/{folder}/ has no place in the layer table of "
                            f"{Path(__file__).name}; add it there")
            continue
        for file in sorted(folder_path.rglob("*")):
            if file.suffix in SOURCE_SUFFIXES and file.is_file():
                problems.extend(check_file(src, folder, file))
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    src = Path(argv[1])
    if not src.is_dir():
        print(f"{src}: not a folder", file=sys.stderr)
        return 2
    problems = check_tree(src)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) break the layers.")
        return 1
    print("Every include respects the layers.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
