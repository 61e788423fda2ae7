#!/usr/bin/env python3
"""Checks the layering rules of docs/CONVENTIONS.md on the source tree; prints every breach."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
core = ["text", "files", "namedb", "numerology", "generation", "birthchart", "knowledge"]
breaches = []


def sources(folder):
    base = root / folder
    if not base.is_dir():
        return []
    return [p for p in base.rglob("*") if p.suffix in (".h", ".cpp") and "node_modules" not in p.parts]


include = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
narrow_literal = re.compile(r'(?<![uUL8])"([^"\\\n]|\\.)*[^\x00-\x7f]([^"\\\n]|\\.)*"')

for folder in core:
    for path in sources(folder):
        relative = path.relative_to(root)
        in_ui = "ui" in relative.parts
        text = path.read_text(encoding="utf-8")
        for target in include.findall(text):
            if not in_ui and (target.startswith("Q") or target.startswith("widgets/")):
                breaches.append(f"{relative}: the core includes {target}")
        if path.suffix == ".h" and not in_ui and "tests" not in relative.parts:
            for line_number, line in enumerate(text.splitlines(), 1):
                if line.lstrip().startswith("//"):
                    continue
                code = line.split("//")[0]
                if narrow_literal.search(code):
                    breaches.append(f"{relative}:{line_number}: non-ASCII narrow literal in a core header")

for folder in core + ["widgets", "cli", "bench"]:
    for path in sources(folder):
        for target in include.findall(path.read_text(encoding="utf-8")):
            if target.startswith("app/"):
                breaches.append(f"{path.relative_to(root)}: includes {target} from outside app/")

for breach in breaches:
    print(breach)
print(f"{len(breaches)} breaches")
sys.exit(1 if breaches else 0)
