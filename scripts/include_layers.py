#!/usr/bin/env python3
"""The include graph of src/ by folder, and the rule it must keep.

Logic folders (every folder of src/ but app/ and ui/) take the platform and
plain values and return plain values: they never include the application's
view models (app/) or the Win32 windows (ui/). The view models never include
the windows. The platform includes nothing but itself.

    scripts/include_layers.py          checks the rule; exit 1 on a breach
    scripts/include_layers.py --graph  prints "from -> to: count" per folder pair
"""
import collections
import re
import sys
from pathlib import Path

SRC = Path(__file__).resolve().parent.parent / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """'info' for src/info/x.h, 'platform' for src/platform/win32/x.h, '' for src/version.h."""
    parts = Path(path).parts
    return parts[0] if len(parts) > 1 else ""


def forbidden(source_folder):
    if source_folder == "ui":
        return set()
    if source_folder == "app":
        return {"ui"}
    return {"app", "ui"}


def edges():
    for file in sorted(SRC.rglob("*")):
        if file.suffix not in {".h", ".cpp", ".rc"}:
            continue
        source = folder_of(file.relative_to(SRC))
        for target in INCLUDE.findall(file.read_text(encoding="utf-8", errors="replace")):
            yield file.relative_to(SRC), source, folder_of(target), target


def main(argv):
    if "--graph" in argv:
        counts = collections.Counter((s, t) for _, s, t, _ in edges() if t)
        for (source, target), n in sorted(counts.items()):
            print(f"{source} -> {target}: {n}")
        return 0
    breaches = []
    for file, source, target, include in edges():
        if not target:
            continue
        if target in forbidden(source) or (source == "platform" and target != "platform"):
            breaches.append(f"src/{file}: includes \"{include}\"")
    for line in breaches:
        print(line)
    print(f"{len(breaches)} include(s) against the layering" if breaches else "layering kept")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
