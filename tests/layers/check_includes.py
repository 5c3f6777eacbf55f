#!/usr/bin/env python3
"""Fails when an #include under src/ points up the layer order.

Every project include is spelled from src/ ("core/hydro/drag.h",
"app/platform/real_field.h"); a file of one folder may include its own
folder and any folder of a lower layer, never one of its own rank or above.
The order is the one drawn in docs/architecture.md.
"""
import pathlib
import re
import sys

# Lowest first. Folders on one line share a rank and may not include each
# other.
LAYERS = [
    ["core/design"],
    ["core/surface"],
    ["core/files"],
    ["core/hydro", "core/render", "core/exchange"],
    ["core/stability", "core/resistance"],
    ["core/curves", "core/loading"],
    ["core/views"],
    ["core/fairing"],
    ["core/model"],
    ["core/shapes"],
    ["cli", "app/platform"],
    ["app/model"],
    ["app/views", "app/files", "app/editing", "app/hydro", "app/curves", "app/stability",
     "app/fairing", "app/shapes", "app/render", "app/resistance", "app/loading"],
    ["app/shell"],
    ["app"],
]

# A folder of the top application rank may use another of the same rank only
# through these edges (dialogs a command of one menu opens from another).
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(rel):
    parts = rel.split("/")
    if parts[0] == "cli":
        return "cli"
    if len(parts) >= 3:
        return "/".join(parts[:2])
    return parts[0]


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src").resolve()
    rank = {}
    for i, names in enumerate(LAYERS):
        for name in names:
            rank[name] = i
    errors = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".hpp"):
            continue
        rel = path.relative_to(src).as_posix()
        here = folder_of(rel)
        if here not in rank:
            errors.append(f"{rel}: folder {here} is in no layer")
            continue
        for target in INCLUDE.findall(path.read_text(errors="replace")):
            if "/" not in target:
                if (path.parent / target).exists():
                    continue  # a header beside the file
                errors.append(f"{rel}: includes \"{target}\", not spelled from src/")
                continue
            if not (src / target).exists():
                if (path.parent / target).exists() or target.startswith("ui_"):
                    continue
                errors.append(f"{rel}: includes \"{target}\", which is not under src/")
                continue
            there = folder_of(target)
            if there == here:
                continue
            if there not in rank:
                errors.append(f"{rel}: includes {target} from a folder in no layer")
            elif rank[there] >= rank[here]:
                errors.append(f"{rel} ({here}) includes {target} ({there}), which is not below it")
    for e in errors:
        print(e)
    print(f"{len(errors)} include edges break the layer order" if errors
          else "every include points down the layer order")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
