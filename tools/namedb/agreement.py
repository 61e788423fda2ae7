#!/usr/bin/env python3
"""Prints how far a built name database agrees with the published naming table
(published_elements.tsv): the five element and the Kangxi stroke count of every character the
table lists once (a character the table lists under two elements or two counts is left out).

Usage: agreement.py [DATABASE]  (default: data/namedata.db of this repository)
"""

import os
import sqlite3
import sys

TOOL_DIR = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(TOOL_DIR))


def published():
    """{char: (element, strokes)} for the characters the table lists unambiguously."""
    seen = {}
    path = os.path.join(TOOL_DIR, "published_elements.tsv")
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    for element, strokes, characters in lines[1:]:
        for ch in characters:
            seen.setdefault(ch, set()).add((element, int(strokes)))
    return {ch: next(iter(v)) for ch, v in seen.items() if len(v) == 1}


def main():
    database = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "namedata.db")
    table = published()
    connection = sqlite3.connect(f"file:{database}?mode=ro", uri=True)
    rows = dict((ch, (element, strokes)) for ch, element, strokes in connection.execute(
        "select 汉字, 五行属性, 繁体笔画数 from NB_CNWord"))
    both = [ch for ch in table if ch in rows]
    element_same = [ch for ch in both if rows[ch][0] == table[ch][0]]
    stroke_same = [ch for ch in both if rows[ch][1] == table[ch][1]]
    print(f"characters in both: {len(both)}")
    print(f"五行 agrees: {len(element_same)} ({100 * len(element_same) / len(both):.1f} %)")
    print(f"康熙笔画 agrees: {len(stroke_same)} ({100 * len(stroke_same) / len(both):.1f} %)")
    if "-v" in sys.argv:
        for ch in both:
            if rows[ch] != table[ch]:
                print(ch, "ours", rows[ch], "published", table[ch])


if __name__ == "__main__":
    main()
