#!/usr/bin/env python3
"""Checks the built name database, data/namedata.db, against what the program relies on.

Usage: test_namedata.py [SOURCE_DIR]  (default: the repository holding this file)
"""

import itertools
import os
import sqlite3
import sys
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ELEMENTS = "金木水火土"
RATINGS = {"大吉", "吉", "中", "凶", "大凶"}

# Column counts the loader copies by position.
COLUMN_COUNTS = {"NB_CNWord": 16, "NB_三才配置": 21, "NB_八一灵动数": 10, "NB_EName": 10,
                 "NB_Poet": 4, "NB_全唐诗": 6, "NB_育儿百科": 5, "NB_算命风水": 5, "NB_百家姓": 5}

# Kangxi stroke counts of common surnames and name characters, as name numerology counts them.
KANGXI_STROKES = ("李7 王4 张11 刘15 陈16 杨13 黄12 赵14 吴7 周8 徐10 孙10 马10 胡11 郭15 罗20 "
                  "郑19 谢17 韩17 邓19 萧18 魏18 苏22 钟17 顾21 龚22 涛18 浩11 轩10 欧15 阳17 "
                  "于3 余7 一1 四4 五5 九9 十10")


def source_path(*parts):
    return os.path.join(SOURCE_DIR, *parts)


def characters_of(path):
    with open(path, encoding="utf-8-sig") as f:
        return {ch for ch in f.read() if "\u3400" <= ch <= "\u9fff"}


class NameDataTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        path = source_path("data", "namedata.db")
        if not os.path.exists(path):
            raise AssertionError(f"{path} is missing: build it with tools/namedb/prepare.sh "
                                 "(or python3 tools/namedb/build_namedb.py)")
        cls.db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
        # The file has no index (the program builds its own in memory), so look up from a dict.
        cls.characters = {row[0]: row[1:] for row in cls.db.execute(
            "select 汉字, 简体笔画数, 五行属性, 繁体笔画数, 基本解释, 详细解释 from NB_CNWord")}

    @classmethod
    def tearDownClass(cls):
        cls.db.close()

    def rows(self, sql, *args):
        return self.db.execute(sql, args).fetchall()

    def test_every_table_has_its_columns_and_rows(self):
        for table, count in COLUMN_COUNTS.items():
            with self.subTest(table=table):
                columns = self.db.execute(f"select * from {table} limit 1").description
                self.assertEqual(len(columns), count)
                self.assertGreater(self.rows(f"select count(*) from {table}")[0][0], 0,
                                   f"{table} is empty")

    def test_name_characters_are_known(self):
        lists = ["male_pool.txt", "female_pool.txt", "classic_male_single.txt",
                 "classic_female_single.txt"]
        wanted = set()
        for name in lists:
            wanted |= characters_of(source_path("generation", "lists", name))
        surnames = [row[0] for row in self.rows("select 姓 from NB_百家姓")]
        wanted |= {ch for surname in surnames for ch in surname}
        pools = characters_of(source_path("generation", "lists", "male_pool.txt")) | \
            characters_of(source_path("generation", "lists", "female_pool.txt"))
        unknown, unexplained = [], []
        for ch in sorted(wanted):
            row = self.characters.get(ch)
            if row is None or row[0] == 0 or row[1] not in ELEMENTS or row[2] <= 0:
                unknown.append(ch)
            elif ch in pools and not (row[3] or row[4]):
                unexplained.append(ch)
        self.assertEqual(unknown, [], "characters the lookup would not accept")
        self.assertEqual(unexplained, [], "pool characters without any explanation")

    def test_kangxi_stroke_counts(self):
        wrong = {}
        for item in KANGXI_STROKES.split():
            ch, expected = item[0], int(item[1:])
            stored = self.characters.get(ch, (0, "", None))[2]
            if stored != expected:
                wrong[ch] = (stored, expected)
        self.assertEqual(wrong, {}, "character: (stored, expected)")

    def test_character_columns(self):
        self.assertEqual(self.rows("select count(*) from NB_CNWord where 五行属性 not in "
                                   "('金','木','水','火','土')"), [(0,)])
        self.assertEqual(self.rows("select count(*) - count(distinct 汉字) from NB_CNWord"),
                         [(0,)])
        for ch, pinyin, marked, initial, final in [("李", "li", "lǐ", "l", "i"),
                                                   ("张", "zhang", "zhāng", "zh", "ang"),
                                                   ("吕", "lv", "lǚ", "l", "v"),
                                                   ("安", "an", "ān", "", "an")]:
            with self.subTest(character=ch):
                self.assertEqual(self.rows("select 拼音1, 拼音2, 声母, 韵母 from NB_CNWord "
                                           "where 汉字=?", ch), [(pinyin, marked, initial, final)])

    def test_numbers_and_three_talents(self):
        numbers = self.rows("select Id, 吉凶 from NB_八一灵动数 order by Id")
        self.assertEqual([n for n, _ in numbers], list(range(1, 82)))
        self.assertTrue(all(rating in RATINGS for _, rating in numbers))
        talents = dict(self.rows("select 三才, 吉凶 from NB_三才配置"))
        keys = {"".join(p) for p in itertools.product(ELEMENTS, repeat=3)}
        self.assertEqual(set(talents), keys)
        self.assertEqual(self.rows("select count(*) from NB_三才配置"), [(125,)])
        self.assertTrue(all(rating in RATINGS for rating in talents.values()))

    def test_every_menu_category_has_three_articles(self):
        with open(source_path("tools", "namedb", "article_categories.tsv"),
                  encoding="utf-8") as f:
            lines = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
        categories = lines[1:]
        self.assertEqual(len(categories), 45)
        short = {}
        for table, category in categories:
            count = self.rows(f"select count(*) from {table} where 分类标题=?", category)[0][0]
            if count < 3:
                short[category] = count
        self.assertEqual(short, {}, "categories with fewer than three articles")

    def test_english_names(self):
        rows = self.rows("select EIndex, EIndex2, Name, Sex, Cnword from NB_EName")
        self.assertGreaterEqual(len(rows), 1000)
        for index, index2, name, sex, chinese in rows:
            with self.subTest(name=name):
                self.assertEqual(index, name[0].lower())
                self.assertIn(index2, ("", name[:2].lower()))
                self.assertIn(sex, (1, 2, 3))
                self.assertTrue(chinese)
        by_name = {name: (sex, index2) for _, index2, name, sex, _ in rows}
        self.assertEqual(by_name["James"], (1, ""))
        self.assertEqual(by_name["Mary"], (2, ""))
        self.assertEqual(by_name["Charles"], (1, "ch"))

    def test_poems(self):
        poets = self.rows("select Poet, PoemCount, OrderId from NB_Poet order by OrderId")
        self.assertEqual([order for _, _, order in poets], list(range(1, len(poets) + 1)))
        counts = [int(count) for _, count, _ in poets]
        self.assertEqual(counts, sorted(counts, reverse=True))
        self.assertEqual(self.rows("select count(*) from NB_全唐诗 where 作者 not in "
                                   "(select Poet from NB_Poet) or 标题='' or 内容=''"), [(0,)])
        self.assertEqual(self.rows("select sum(PoemCount) from NB_Poet")[0][0],
                         self.rows("select count(*) from NB_全唐诗")[0][0])
        pools = characters_of(source_path("generation", "lists", "male_pool.txt")) | \
            characters_of(source_path("generation", "lists", "female_pool.txt"))
        title, text, marks = self.rows("select 标题, 内容, 首字母 from NB_全唐诗 "
                                       "where 作者='李白' and 标题='静夜思'")[0]
        self.assertIn("疑是地上霜", text)
        expected = "".join(dict.fromkeys(ch for ch in text if ch in pools))
        self.assertEqual(marks, expected)


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        SOURCE_DIR = sys.argv.pop(1)
    unittest.main(verbosity=2)
