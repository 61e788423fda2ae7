#!/usr/bin/env python3
"""Checks the layering rules of docs/CONVENTIONS.md on the source tree; prints every breach."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
core = ["text", "files", "settings", "namedb", "numerology", "generation", "birthchart",
        "knowledge", "quality"]
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

# The cores in their order, lowest first. A core includes only cores on a lower rung; two cores on
# the same rung never include each other. Name quality reads the numerology tables and is read by
# generation, so it sits between them, beside knowledge.
rungs = {"text": 0, "files": 1, "birthchart": 1, "settings": 2, "namedb": 2, "numerology": 3,
         "quality": 4, "knowledge": 4, "generation": 5}
assert set(rungs) == set(core)


def subsystem_of(target):
    parts = target.split("/")
    return parts[0] if len(parts) > 1 and parts[0] in rungs else None


for folder in core:
    for path in sources(folder):
        relative = path.relative_to(root)
        in_ui = "ui" in relative.parts
        for target in include.findall(path.read_text(encoding="utf-8")):
            other = subsystem_of(target)
            if other is None or other == folder:
                continue
            if in_ui:
                # A ui/ folder stands on its own core: it may use that core and the cores below
                # it, never a core beside or above it, nor another subsystem's pages.
                if target.split("/")[1:2] == ["ui"]:
                    breaches.append(f"{relative}: includes another subsystem's page {target}")
                elif rungs[other] >= rungs[folder]:
                    breaches.append(f"{relative}: {folder}/ui includes {target}, which is not "
                                    f"below {folder}")
            elif rungs[other] >= rungs[folder]:
                breaches.append(f"{relative}: {folder} includes {target}, which is not below it")

for path in sources("widgets"):
    for target in include.findall(path.read_text(encoding="utf-8")):
        other = subsystem_of(target)
        if other is not None and other not in ("text", "files"):
            breaches.append(f"{path.relative_to(root)}: widgets/ includes the core {target}")

for folder in core + ["widgets", "cli", "bench"]:
    for path in sources(folder):
        for target in include.findall(path.read_text(encoding="utf-8")):
            if target.startswith("app/"):
                breaches.append(f"{path.relative_to(root)}: includes {target} from outside app/")

for breach in breaches:
    print(breach)
print(f"{len(breaches)} breaches")
sys.exit(1 if breaches else 0)
