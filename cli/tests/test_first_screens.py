#!/usr/bin/env python3
"""The first screens of 高分, 超吉, 起小名 and 典籍 on the built name database: no character the review
finds unfit for a name, no given name that is a word of bad sense in the first 1000 rows, and no
character leaning to the other sex in the first 200; --all-characters still offers the whole pools.

Usage: test_first_screens.py BABYNAME_CLI DATABASE
"""

import sqlite3
import subprocess
import sys
import unittest

CLI, DATABASE = sys.argv[1], sys.argv[2]


def given_names(*arguments):
    done = subprocess.run([CLI, "--db", DATABASE, "generate", "--surname", "王", *arguments],
                          capture_output=True, text=True, check=True)
    return [line.split("\t")[1][1:] for line in done.stdout.splitlines()]


class FirstScreensTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with sqlite3.connect(f"file:{DATABASE}?mode=ro", uri=True) as db:
            cls.verdicts = dict(db.execute("select 汉字, 判定 from NB_用字"))
            cls.unfit = {ch for (ch,) in db.execute("select 汉字 from NB_不宜字")}
            cls.bad_words = {word for (word,) in db.execute("select 词 from NB_不宜词")}
            packed = dict(db.execute("select 名单, 内容 from NB_用字名单"))
            cls.plain = set(bytes(packed.get("平实字", b"")).decode("gbk").split())

    def check(self, names, sex, whole_names=1000, sexed_names=200):
        other = "男" if sex == "女" else "女"
        self.assertGreaterEqual(len(names), sexed_names)
        unfit = [n for n in names[:whole_names] if any(ch in self.unfit for ch in n)]
        words = [n for n in names[:whole_names] if n in self.bad_words]
        leaning = [n for n in names[:sexed_names]
                   if any(self.verdicts.get(ch) == other for ch in n)]
        self.assertEqual((unfit, words, leaning), ([], [], []))

    def check_no_plain_first(self, names, count=200):
        # The characters that read as everyday words (笔 评 机) come after the ones parents give.
        self.assertEqual([n for n in names[:count] if any(ch in self.plain for ch in n)], [])

    def test_high_score_and_super_lucky(self):
        for mode in ("高分", "超吉"):
            for sex in ("女", "男"):
                for seed in ("1", "2", "3"):
                    with self.subTest(mode=mode, sex=sex, seed=seed):
                        filters = ["--must", "金木水火土"] if mode == "超吉" else []
                        names = given_names("--mode", mode, "--sex", sex, "--seed", seed, *filters)
                        self.check(names, sex)
                        self.check_no_plain_first(names)

    def test_names_from_the_classics_hold_their_lines(self):
        # 典籍: two thousand names and more, each with the passage that holds its characters in
        # order, from the chosen collections only, fit for a name and for the child's sex.
        for sex, sources in (("女", "诗经,楚辞"), ("男", "论语,孟子")):
            with self.subTest(sex=sex, sources=sources):
                done = subprocess.run([CLI, "--db", DATABASE, "generate", "--mode", "典籍",
                                       "--surname", "王", "--sex", sex, "--source", sources],
                                      capture_output=True, text=True, check=True)
                rows = [line.split("\t") for line in done.stdout.splitlines()]
                self.assertGreaterEqual(len(rows), 2000)
                for row in rows:
                    self.assertEqual(len(row), 12, row)
                    given, passage = row[1][1:], row[11]
                    at = passage.find(given[0])
                    self.assertTrue(at >= 0 and passage.find(given[1], at + 1) > at, row)
                    self.assertIn(row[9].split("·")[0], sources.split(","))
                self.check([row[1][1:] for row in rows], sex, len(rows), len(rows))

    def test_nicknames_follow_the_childs_sex(self):
        # The patterns' own 小, 阿 and 儿 are given to boys and girls alike; the pool's A is not.
        def pool_part(name):
            if set(name) <= set("小阿儿"):
                return name[0]  # 小儿, 阿儿: the pool's 小 or 阿 with the pattern's 儿
            return name[1:] if name[0] in "小阿" and len(set(name)) == 2 else (
                name[:-1] if name.endswith("儿") and len(set(name)) == 2 else name)
        boys = [pool_part(n) for n in given_names("--mode", "起小名", "--sex", "男",
                                                  "--nickname", "AA,小A,A儿,阿A")]
        girls = [pool_part(n) for n in given_names("--mode", "起小名", "--sex", "女",
                                                   "--nickname", "AA,小A,A儿,阿A")]
        self.check(boys, "男", len(boys), len(boys))
        self.check(girls, "女", len(girls), len(girls))
        self.assertNotEqual(set(boys), set(girls))

    def test_all_characters_offers_the_whole_pools(self):
        everything = given_names("--mode", "起小名", "--sex", "女", "--nickname", "AA",
                                 "--all-characters")
        screened = given_names("--mode", "起小名", "--sex", "女", "--nickname", "AA")
        self.assertTrue(any(ch in self.unfit for n in everything for ch in n))
        self.assertTrue(any(self.verdicts.get(ch) == "男" for n in everything for ch in n))
        self.assertTrue(set(screened) < set(everything))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
