"""Fails when a source includes from a folder its layer may not use.

The rules are read from the table "Folders and what each may use" in
docs/architecture.md, so the document and the check say the same thing:
a row names its folders in the first column; the last column names the
folders it may use in backticks, each described in a row above, "and
below" adds what those folders may use in turn, "anything above" all that
the rows above name, "Qt" allows Qt's headers and "emscripten"
emscripten's (the web build's compiler and its bindings). A folder may always
include from itself; a folder of the repository that the table does not
describe may be included from nowhere.

Usage: check_layers.py <source dir>
       check_layers.py --folders <source dir>
The second form prints the table's folders, one a line, so that other
checks (clang-tidy's header filter) cover exactly the folders it describes.
"""

import re
import sys
from pathlib import Path

TABLE_HEADING = "## Folders and what each may use"
FOLDER = re.compile(r"`([\w.-]+/)`")
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s*"(([\w.-]+/)[^"]*)"')
# The toolkits a row may name, and their headers.
TOOLKITS = {
    "Qt": re.compile(r"^\s*#\s*include\s*<(Q[^>]*)>"),
    "emscripten": re.compile(r"^\s*#\s*include\s*<(emscripten[^>]*)>"),
}
ANY_INCLUDE = re.compile(r"^\s*#\s*include\b")


def read_rules(document):
    """Gives {folder: (folders it may use, the toolkits it may use)}."""
    lines = document.read_text(encoding="utf-8").splitlines()
    if TABLE_HEADING not in lines:
        sys.exit(f"{document}: no section {TABLE_HEADING!r}")
    start = lines.index(TABLE_HEADING)
    rows = []
    for line in lines[start + 1 :]:
        if rows and not line.startswith("|"):
            break
        if line.startswith("|"):
            rows.append([cell.strip() for cell in line.strip("|").split("|")])
    rules = {}
    for cells in rows[2:]:  # past the header and its rule
        folders, may_use = FOLDER.findall(cells[0]), cells[-1]
        if "anything above" in may_use:
            allowed = set(rules)
            allowed.update(*(uses for uses, _ in rules.values()))
            toolkits = set().union(*(kits for _, kits in rules.values()))
        else:
            allowed = set(FOLDER.findall(may_use))
            toolkits = {kit for kit in TOOLKITS if re.search(rf"\b{kit}\b", may_use)}
            if not allowed <= set(rules):
                sys.exit(f"{document}: {cells[0]} uses folders described below it")
            if "and below" in may_use:
                for folder in list(allowed):
                    allowed |= rules[folder][0]
        for folder in folders:
            rules[folder] = (allowed | {folder}, toolkits)
    if not rules:
        sys.exit(f"{document}: no folders under {TABLE_HEADING!r}")
    return rules


def main():
    if sys.argv[1] == "--folders":
        print("\n".join(read_rules(Path(sys.argv[2]) / "docs" / "architecture.md")))
        return 0
    root = Path(sys.argv[1])
    rules = read_rules(root / "docs" / "architecture.md")
    files = includes = 0
    crossings = []
    for folder, (allowed, toolkits) in rules.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            files += 1
            name = path.relative_to(root).as_posix()
            text = path.read_text(encoding="utf-8")
            for number, line in enumerate(text.splitlines(), start=1):
                includes += ANY_INCLUDE.match(line) is not None
                quoted = QUOTED_INCLUDE.match(line)
                if quoted and (root / quoted[2]).is_dir() and quoted[2] not in allowed:
                    crossings.append(f"{name}:{number}: {folder} may not include {quoted[1]}")
                for kit, pattern in TOOLKITS.items():
                    header = pattern.match(line)
                    if header and kit not in toolkits:
                        crossings.append(f"{name}:{number}: {folder} may not include <{header[1]}>")
    if crossings:
        print("\n".join(crossings))
        return 1
    print(f"{files} files, {includes} includes, 0 crossings")
    return 0


if __name__ == "__main__":
    sys.exit(main())
