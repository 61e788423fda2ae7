#!/usr/bin/env python3
"""Checks the name-quality tables of the built name database, data/namedata.db: the levels of the
standard character list and the poem-line index against the poems it indexes.

Usage: test_quality_tables.py [SOURCE_DIR]  (default: the repository holding this file)
"""

import os
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import quality_tables  # noqa: E402

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def decode(blob):
    values, value, delta, shift = [], 0, 0, 0
    for byte in blob:
        delta |= (byte & 0x7F) << shift
        shift += 7
        if not byte & 0x80:
            value += delta
            values.append(value)
            delta, shift = 0, 0
    return values


class QualityTables(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        path = os.path.join(SOURCE_DIR, "data", "namedata.db")
        if not os.path.exists(path):
            raise unittest.SkipTest(f"{path} is missing")
        cls.db = sqlite3.connect(path)

    def test_levels_follow_the_standard_list(self):
        counts = dict(self.db.execute("select 级别, count(*) from NB_字级 group by 级别"))
        # Level 1 is whole in GBK; a few characters of levels 2 and 3 are not.
        self.assertEqual(counts[1], 3500)
        self.assertGreater(counts[2], 2900)
        self.assertGreater(counts[3], 1200)
        levels = dict(self.db.execute("select 汉字, 级别 from NB_字级"))
        for ch, level in {"李": 1, "明": 1, "勐": 2, "珺": 3}.items():
            self.assertEqual(levels[ch], level, ch)
        self.assertFalse("槑" in levels)  # outside the list

    def test_every_posting_points_at_its_character(self):
        ranks = dict(self.db.execute("select 次序, 诗Id from NB_诗篇次序"))
        self.assertEqual(sorted(ranks), list(range(len(ranks))))
        poems = dict(self.db.execute("select Id, 内容 from NB_全唐诗"))
        self.assertEqual(sorted(ranks.values()), sorted(poems))
        line_bits, place_bits = quality_tables.LINE_BITS, quality_tables.PLACE_BITS
        for ch in ("月", "明", "风", "思", "远", "涵", "□"):
            row = self.db.execute("select 诗句 from NB_诗句索引 where 汉字=?", (ch,)).fetchone()
            if row is None:
                continue
            postings = decode(row[0])
            self.assertEqual(postings, sorted(postings), ch)
            for value in postings[:200] + postings[-200:]:
                place = value & ((1 << place_bits) - 1)
                line = (value >> place_bits) & ((1 << line_bits) - 1)
                rank = value >> (place_bits + line_bits)
                lines = quality_tables.poem_lines(poems[ranks[rank]])
                self.assertEqual(lines[line][place], ch, (ch, rank, line, place))

    def test_poets_read_most_come_first(self):
        first = self.db.execute(
            "select p.作者 from NB_诗篇次序 r join NB_全唐诗 p on p.Id = r.诗Id where r.次序 = 0"
        ).fetchone()[0]
        top = self.db.execute("select Poet from NB_Poet order by OrderId limit 1").fetchone()[0]
        self.assertEqual(first, top)


if __name__ == "__main__":
    if len(sys.argv) > 1:
        SOURCE_DIR = sys.argv.pop(1)
    unittest.main()
