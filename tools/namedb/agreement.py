#!/usr/bin/env python3
"""Prints how far a built name database agrees with the published naming tables: the five
element and the Kangxi stroke count of every character published_elements.tsv lists once (a
character it lists under two elements or two counts is left out); the stroke count where that
table and published_traditional_strokes.tsv agree among themselves; and the class (good, half,
bad) of the three-talent ratings of published_three_talents.tsv.

Usage: agreement.py [DATABASE]  (default: data/namedata.db of this repository)
"""

import os
import sqlite3
import sys

TOOL_DIR = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(TOOL_DIR))


def listed_once(name, value_of):
    """{char: value} for the characters the published table `name` lists under one value; a
    character it lists under two is left out. value_of gives a row's value from its cells."""
    seen = {}
    with open(os.path.join(TOOL_DIR, name), encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    for cells in rows[1:]:
        for ch in cells[2]:
            seen.setdefault(ch, set()).add(value_of(cells))
    return {ch: next(iter(values)) for ch, values in seen.items() if len(values) == 1}


def published():
    """{char: (element, strokes)} of published_elements.tsv."""
    return listed_once("published_elements.tsv", lambda cells: (cells[0], int(cells[1])))


def traditional_published():
    """{char: strokes} of published_traditional_strokes.tsv."""
    return listed_once("published_traditional_strokes.tsv", lambda cells: int(cells[0]))


def agreed_strokes(table, traditional_table, traditional_forms):
    """{char: strokes} where both tables give a count and it is the same. The traditional table
    is read under the character itself, else under the traditional form the database gives."""
    agreed = {}
    for ch, (_, strokes) in table.items():
        other = traditional_table.get(ch, traditional_table.get(traditional_forms.get(ch)))
        if other == strokes:
            agreed[ch] = strokes
    return agreed


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
    names = set()
    lists = os.path.join(ROOT, "generation", "lists")
    for name in sorted(os.listdir(lists)):
        if name.endswith(".txt"):
            with open(os.path.join(lists, name), encoding="utf-8-sig") as f:
                names |= {ch for ch in f.read() if "\u4e00" <= ch <= "\u9fff"}
    names |= {ch for (surname,) in connection.execute("select 姓 from NB_百家姓") for ch in surname}
    named = [ch for ch in both if ch in names]
    named_same = [ch for ch in named if rows[ch][1] == table[ch][1]]
    print(f"康熙笔画 of the pool, classic and surname characters agrees: {len(named_same)} of "
          f"{len(named)} ({100 * len(named_same) / len(named):.1f} %)")
    forms = dict(connection.execute("select 汉字, 繁体 from NB_CNWord"))
    agreed = agreed_strokes({ch: table[ch] for ch in both}, traditional_published(), forms)
    for label, chars in (("every character", list(agreed)),
                         ("the pool, classic and surname characters",
                          [ch for ch in agreed if ch in names])):
        same = [ch for ch in chars if rows[ch][1] == agreed[ch]]
        print(f"康熙笔画 where the two tables agree, {label}: {len(same)} of {len(chars)} "
              f"({100 * len(same) / len(chars):.1f} %)")
    classes = {"大吉": "good", "吉": "good", "中吉": "good", "吉多于凶": "half", "吉凶参半": "half",
               "中": "half", "凶多于吉": "bad", "凶多吉少": "bad", "凶": "bad", "大凶": "bad"}
    with open(os.path.join(TOOL_DIR, "published_three_talents.tsv"), encoding="utf-8") as f:
        talents = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")][1:]
    ours = dict(connection.execute("select 三才, 吉凶 from NB_三才配置"))
    same = [key for key, rating in talents if classes[ours.get(key, "")] == classes[rating]]
    print(f"三才 class agrees: {len(same)} of {len(talents)}")
    if "-v" in sys.argv:
        for key, rating in talents:
            if key not in same:
                print(key, "ours", ours.get(key), "published", rating)
        for ch in both:
            if rows[ch] != table[ch]:
                print(ch, "ours", rows[ch], "published", table[ch])


if __name__ == "__main__":
    main()
