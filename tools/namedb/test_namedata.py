#!/usr/bin/env python3
"""Checks the built name database, data/namedata.db, against what the program relies on.

Usage: test_namedata.py [SOURCE_DIR]  (default: the repository holding this file)
"""

import contextlib
import io
import itertools
import os
import re
import sqlite3
import sys
import tempfile
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ELEMENTS = "金木水火土"
RATINGS = {"大吉", "吉", "中", "凶", "大凶"}

# Column counts the loader copies by position.
COLUMN_COUNTS = {"NB_CNWord": 16, "NB_三才配置": 21, "NB_八一灵动数": 10, "NB_EName": 10,
                 "NB_Poet": 4, "NB_全唐诗": 6, "NB_育儿百科": 5, "NB_算命风水": 5, "NB_百家姓": 5}

# Kangxi stroke counts of common surnames and name characters, as name numerology counts them:
# full-form radicals (氵 4, 扌 4, 忄 4, 艹 6, 阝 8 / 7, 王 5, 礻 5, 衤 6, 月 6, 辶 7, 犭 4, 纟 6,
# 鱼 11, 鸟 11), numbers by their value, and the traditional form that names use.
KANGXI_STROKES = """
    李7 王4 张11 刘15 陈16 杨13 黄12 赵14 吴7 周8 徐10 孙10 马10 胡11 郭15 罗20 郑19 谢17
    韩17 邓19 萧19 魏18 苏22 钟17 顾21 龚22 涛18 浩11 轩10 欧15 阳17 于3 余7 范11 后6 岳17
    郁13 干3 鲁15 鲍16 子3 梓11 涵12 宇6 欣8 怡9 诗13 雨8 晨11 泽17 睿14 博12 文4 明8
    华14 伟11 芳10 娜9 静16 丽19 强12 磊15 军9 洋10 勇9 艳24 杰12 娟10 超12 秀7 霞17 平5
    刚10 桂10 思9 嘉14 瑞14 琪13 欢22 乐15 安6 佳8 慧15 婷12 雪11 琳13 晶12 妍9 蕾19 紫11
    众11 准10 叙9 绪15 鼎13 瓦5
    萱15 悦11 梦16 瑶15 馨20 俊9 鑫24 宏7 毅15 彬11 辰7 铭14 昊8 皓12 鹏19 飞9 龙16 凯12
    鸿17 峰10 振11 耀20 鸣14 凤14 兴16 政9 泰9 柴9 祥11 福14 礼18 衫9 裕13 道16 远17
    狄8 犹13 红9 璐18 潞17 露20 一1 二2 三3 四4 五5 六6 七7 八8 九9 十10"""

# Popular name characters with their five element and Kangxi stroke count as the naming books'
# table gives them (GoodGoodName, data/full_wuxing_dict.py; tools/namedb/published_elements.tsv).
PUBLISHED = """
    轩土10 琪木13 琳木13 玉木5 思金9 悦金11 王土4 张火11 浩水11 涵水12 子水3 梓木11 宇土6
    怡土9 诗金13 雨水8 晨金11 睿金14 博水12 文水4 明火8 华水14 伟土11 芳木10 静金16 丽火19
    磊土15 军木9 洋水10 杰木12 超金12 秀金7 嘉木14 瑞金14 乐火15 安土6 佳木8 慧水15 婷火12
    雪水11 晶火12 妍水9 萱木15 瑶火15 馨金20 俊火9 鑫金24 宏水7 毅木15 辰土7 铭金14 昊火8
    皓木12 鸿水17 李木7 刘火15 陈火16 杨木13 黄土12 赵火14 吴木7 周金8 徐金10 孙金10 马水10
    胡土11 郭木15 罗火20 郑火19 谢金17 韩水17 邓火19 曾金12"""

HAN = re.compile("[\u4e00-\u9fff]")
TONE_MARK = re.compile("[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹḿ]")
# A character lost on the way to Unicode: "?" beside Chinese text, or a block.
PLACEHOLDER = re.compile("[\u4e00-\u9fff“”\"]\\?|\\?[\u4e00-\u9fff“”]|[■□\ufffd]")
# A page of the printed dictionary: "见密封舱(625页)", "(308┮)".
PAGE = re.compile("[（(]\\d+[页┮][)）]")
# Text that slipped a byte on its way to GBK ("别来无╉Γ安然无恙", "白┰疲"): box drawing, kana,
# Cyrillic and private-use characters have no place in the explanations.
SLIPPED = re.compile("[\u2500-\u257f\u3040-\u30ff\u0400-\u04ff\ue000-\uf8ff]"
                     "|(?<=[\u4e00-\u9fff])[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü](?=[\u4e00-\u9fff])")

# The 81 numbers as the widely published table sorts them: 吉 (大吉 or 吉 here), 半吉 (中) and
# 凶 (凶 or 大凶); 2 is 凶, not 大凶, as in most tables; 40 is 半吉 in the tables that read it as
# 吉凶参半.
GOOD_NUMBERS = {1, 3, 5, 6, 7, 8, 11, 13, 15, 16, 17, 18, 21, 23, 24, 25, 29, 31, 32, 33, 35,
                37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81}
HALF_GOOD_NUMBERS = {27, 30, 38, 40, 49, 51, 55, 58, 71, 73, 75, 77, 78}

# Three-talent combinations whose class the published tables agree on: harmony is good, a
# clash between neighbours (other than earth with wood or water) is bad.
GOOD_THREE_TALENTS = ("木木木 木木火 木火土 火土金 土金水 金水木 水木火 木水金 火木木 土火土 金土土 "
                      "火木土 木木土 水木土")
BAD_THREE_TALENTS = ("金木木 金木水 火金土 火金金 水火火 木火水 火火水 火火金 金金木 水水火 "
                     "木木金 土水水 木土水 金火水 火水土 土土水 土木水")


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
        # One read of the whole table; the checks below look characters up many times.
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

    def name_characters(self):
        """The characters of the pools, the classic lists and the surnames."""
        wanted = set()
        for name in sorted(os.listdir(source_path("generation", "lists"))):
            if name.endswith(".txt"):
                wanted |= characters_of(source_path("generation", "lists", name))
        wanted |= {ch for (surname,) in self.rows("select 姓 from NB_百家姓") for ch in surname}
        return wanted

    def test_name_characters_are_known(self):
        unknown = [ch for ch in sorted(self.name_characters())
                   if self.characters.get(ch) is None or self.characters[ch][0] == 0
                   or self.characters[ch][1] not in ELEMENTS or self.characters[ch][2] <= 0]
        self.assertEqual(unknown, [], "characters the lookup would not accept")
        wanted = self.name_characters()
        toneless = [ch + marked for ch, marked in self.rows("select 汉字, 拼音2 from NB_CNWord")
                    if ch in wanted and not TONE_MARK.search(marked)]
        self.assertEqual(toneless, [], "name characters whose reading has no tone")

    def test_name_characters_have_our_explanation(self):
        # A parent reads what the character itself means, in Chinese, before any word made
        # with it: the first line of the basic explanation is neither a 【word】 line nor the
        # bare "X，读音…" line of a character the dictionary does not explain.
        missing = []
        for ch in sorted(self.name_characters()):
            basic, detailed = self.characters[ch][3], self.characters[ch][4]
            first = basic.split("<br />")[0]
            if (first.startswith("【") or "，读音" in first or not HAN.search(first)
                    or PLACEHOLDER.search(basic + detailed)):
                missing.append(ch)
        self.assertEqual(missing, [], f"{len(missing)} name characters without our explanation")

    def test_explanations_hold_no_placeholder_self_reference_or_page(self):
        wrong = {}
        for ch, row in self.characters.items():
            for line in (row[3] + "<br />" + row[4]).split("<br />"):
                word = line[1:line.index("】")] if line.startswith("【") and "】" in line else ""
                if (PLACEHOLDER.search(line) or PAGE.search(line)
                        or word and re.search(f"亦作[“\"]{re.escape(word)}[”\"]", line)):
                    wrong.setdefault(ch, line)
        self.assertEqual(len(wrong), 0, list(wrong.items())[:10])

    def test_explanations_hold_no_slipped_text_and_no_lost_headword_character(self):
        wrong = {}
        for ch, row in self.characters.items():
            for line in (row[3] + "<br />" + row[4]).split("<br />"):
                headword = re.match("【([^】]*)】(.?)", line)
                if (SLIPPED.search(line)
                        or headword and (re.search("[A-Za-z]", headword.group(1))
                                         or headword.group(2) != "：")):
                    wrong.setdefault(ch, line)
        self.assertEqual(len(wrong), 0, list(wrong.items())[:10])
        # The dictionary's examples and facts as it wrote them: a range between numbers, the
        # word itself elsewhere, capitals of formulas and names.
        for ch, expected in [("猩", "以2～10岁儿童多见"), ("汞", "化学式HgO"), ("汞", "HgCl2"),
                             ("扮", "【扮相】：①演员化装")]:
            with self.subTest(character=ch):
                self.assertIn(expected, self.characters[ch][4])
        for ch, unwanted in [("澳", "海拔200"), ("篮", "离地305米"), ("篮", "圆周75")]:
            with self.subTest(character=ch):
                self.assertNotIn(unwanted, self.characters[ch][4])

    def test_published_elements_and_strokes_of_popular_name_characters(self):
        # The five element and Kangxi stroke count of the naming books' table (GoodGoodName,
        # data/full_wuxing_dict.py, see published_elements.tsv), for popular name characters.
        wrong = {}
        for item in PUBLISHED.split():
            ch, element, strokes = item[0], item[1], int(item[2:])
            stored = self.characters.get(ch, (0, "", 0))[1:3]
            if stored != (element, strokes):
                wrong[ch] = (stored, (element, strokes))
        self.assertEqual(wrong, {}, "character: (stored, published)")

    def test_readings_agree_with_our_texts_and_the_standard_list(self):
        # The reading column of a name character is the reading its own text gives ("读音：zhuó");
        # every other character of the 通用规范汉字表 has one of the readings the standard
        # dictionary lists (迹 jì, not Unihan's first jī), unless readings.tsv says why not.
        sys.path.insert(0, source_path("tools", "namedb"))
        import build_namedb
        marked = dict(self.rows("select 汉字, 拼音2 from NB_CNWord"))
        names = self.name_characters()
        contradicted = {ch: (marked[ch], build_namedb.told_reading(self.characters[ch][3] + " "
                                                                   + self.characters[ch][4]))
                        for ch in names}
        contradicted = {ch: pair for ch, pair in contradicted.items() if pair[0] != pair[1]}
        self.assertEqual(contradicted, {}, "character: (column, its text)")
        for ch, expected in [("卓", "zhuó"), ("绩", "jì"), ("似", "sì"), ("兴", "xīng"),
                             ("还", "huán"), ("茄", "qié"), ("迹", "jì"), ("脊", "jǐ"),
                             ("框", "kuàng"), ("肋", "lèi")]:
            with self.subTest(character=ch):
                self.assertEqual(marked[ch], expected)
        unihan = build_namedb.load_unihan(["kTotalStrokes", "kTGHZ2013"])
        with open(source_path("tools", "namedb", "readings.tsv"), encoding="utf-8") as f:
            reviewed = {line.split("\t")[0] for line in f if not line.startswith("#")}
        # GBK lacks the tone marks of ḿ and m̀ (呒, 呣): those are stored toneless.
        shown = {ch: [r if build_namedb.encodes_in_gbk(r) else build_namedb.toneless(r)
                      for r in build_namedb.standard_readings(ch, unihan)] for ch in marked}
        outside = [ch + marked[ch] for (ch,) in self.rows("select 汉字 from NB_字级")
                   if ch in marked and ch not in names and ch not in reviewed
                   and shown[ch] and marked[ch] not in shown[ch]]
        self.assertEqual(outside, [])

    def test_every_pool_character_is_reviewed(self):
        # Every character a generator offers has a verdict; every flag has its reason; a fit
        # character has a sense of two to ten characters and an unfit one none; no part of a
        # sense is a word of bad sense.
        review = {ch: (verdict, reason, sense) for ch, verdict, reason, sense
                  in self.rows("select 汉字, 判定, 缘由, 寓意 from NB_用字")}
        pool = set(characters_of(source_path("generation", "lists", "male_pool.txt")))
        pool |= set(characters_of(source_path("generation", "lists", "female_pool.txt")))
        self.assertEqual(sorted(pool - set(review)), [])
        unfit = {ch for ch, (verdict, _, _) in review.items() if verdict == "不宜"}
        bad_words = {word for (word,) in self.rows("select 词 from NB_不宜词")}
        for ch, (verdict, reason, sense) in review.items():
            with self.subTest(character=ch):
                self.assertIn(verdict, ("不宜", "男", "女", "中"))
                if verdict == "不宜":
                    self.assertRegex(reason, "^[^：]+：.+$")
                    self.assertEqual(sense, "")
                else:
                    self.assertTrue(verdict == "中" or reason, "a lean without its reason")
                    self.assertTrue(2 <= len(sense) <= 10, sense)
                    self.assertEqual([part for part in sense.split("、") if part in bad_words], [])
        # NB_不宜字, which the findings read, holds the unfit characters, each with its reason.
        told = dict(self.rows("select 汉字, 缘由 from NB_不宜字"))
        self.assertEqual(set(told), unfit)
        self.assertTrue(all(told.values()))

    def test_verdicts_parents_asked_for(self):
        # The characters parents met on the first screens, and the ones they do give.
        review = dict(self.rows("select 汉字, 判定 from NB_用字"))
        expected = {"不宜": "嫂夫丫四尽绝淋倡操膜骀眈逝屠死尸屎病贱婢妓娼蛆尿鬼丧淫贼罪妾",
                    "男": "男杰勇帅兵剑锋豪", "女": "娜艳淑丽倩"}
        for verdict, characters in expected.items():
            for ch in characters:
                with self.subTest(character=ch):
                    self.assertEqual(review.get(ch), verdict)
        for ch in "阿烟暮子文思雨安":
            with self.subTest(character=ch):
                self.assertNotEqual(review.get(ch), "不宜")

    def test_bad_sense_words(self):
        # Given names that are words of bad sense, each with its reason.
        words = dict(self.rows("select 词, 缘由 from NB_不宜词"))
        for word in ("领养", "清明", "伯伯"):
            with self.subTest(word=word):
                self.assertRegex(words.get(word, ""), "^[^：]+：.+$")
        for word in ("思远", "浩然", "子衿", "若水", "清扬", "安然", "明月", "雨轩"):
            with self.subTest(word=word):
                self.assertNotIn(word, words)

    def test_plain_characters_come_later_and_name_words_say_a_fit_sense(self):
        # Plain characters are fit ones that read as everyday words; the characters parents give
        # are not among them.
        review = dict(self.rows("select 汉字, 判定 from NB_用字"))
        packed = {name: bytes(text).decode("gbk")
                  for name, text in self.rows("select 名单, 内容 from NB_用字名单")}
        plain = set(packed["平实字"].split())
        self.assertEqual(sorted(ch for ch in plain if review.get(ch) in (None, "不宜")), [])
        self.assertLessEqual(set("笔评机灯描厦唤"), plain)
        self.assertEqual(plain & set("梓涵之博茜灵智雁霏心蓉宇浩思雨欣怡婷诗嘉子文明杰月秋柳"), set())
        # The dark unfit characters darken a line for 典籍起名; grammar words do not.
        dark = set(packed["悲字"].split())
        self.assertLessEqual(set("悲伤死病罪"), dark)
        self.assertEqual(dark & set("于而乎也者"), set())
        # Every fit character's sense is in the run's list; no unfit one has a line.
        senses = dict(line.split("\t") for line in packed["寓意"].splitlines())
        self.assertEqual(set(senses), {ch for ch, verdict in review.items() if verdict != "不宜"})
        # A name that is a word says the word's sense: two fit characters, not a word of bad
        # sense, a short sense holding no word of bad sense, listed in GBK byte order for the run.
        words = self.rows("select 词, 义 from NB_名词义")
        bad_words = {word for (word,) in self.rows("select 词 from NB_不宜词")}
        self.assertGreater(len(words), 1000)
        for word, sense in words:
            with self.subTest(word=word):
                self.assertTrue(all(review.get(ch) in ("男", "女", "中") for ch in word))
                self.assertNotIn(word, bad_words)
                self.assertTrue(2 <= len(sense) <= 16, sense)
                self.assertEqual([w for w in bad_words if w in sense], [])
        listed = [line.split("\t")[0] for line in packed["词义"].splitlines()]
        self.assertEqual(listed, sorted(listed, key=lambda word: word.encode("gbk")))
        self.assertEqual(dict(words).get("明月"), "光明的月亮")
        self.assertNotIn("领养", dict(words))

    def test_names_from_the_classics_cite_them(self):
        found = {pair: (collection, piece) for pair, collection, piece in self.rows(
            "select s.字对, j.典籍, j.篇 from NB_出处 s join NB_典籍句 j on j.Id = s.句Id "
            "where s.字对 in ('子衿', '静姝', '清扬', '浩然', '修远', '灵均', '知远')")}
        self.assertEqual(found, {"子衿": ("诗经", "郑风·子衿"), "静姝": ("诗经", "邶风·静女"),
                                 "清扬": ("诗经", "鄘风·君子偕老"), "浩然": ("孟子", "公孙丑上"),
                                 "修远": ("楚辞", "离骚"), "灵均": ("楚辞", "离骚"),
                                 "知远": ("中庸", "")})
        # Every cited sentence holds both characters of its pair, in order.
        for pair, sentence in self.rows(
                "select s.字对, j.句 from NB_出处 s join NB_典籍句 j on j.Id = s.句Id "
                "where s.rowid % 97 = 0"):
            with self.subTest(pair=pair):
                at = sentence.find(pair[0])
                self.assertTrue(at >= 0 and sentence.find(pair[1], at + 1) > at, sentence)

    def test_name_characters_have_full_texts_and_a_suitable_gloss(self):
        # Texts that once said no more than "用于人名较少" or "姓氏用字".
        for ch in "砂客并泥弄村佟昝佘冼":
            with self.subTest(character=ch):
                first, remark = self.characters[ch][3].split("<br />")[:2]
                self.assertNotIn(first, ("姓氏用字。",))
                self.assertNotIn(remark, ("用于人名较少。", "用于人名较少，多与他字组词。",
                                          "用于人名较少，宜慎用。", "多用作姓氏。"))
        surnames = {ch for (s,) in self.rows("select 姓 from NB_百家姓") for ch in s}
        bare = [ch for ch in surnames if self.characters[ch][3].startswith("姓氏用字。<br />")]
        self.assertEqual(bare, [])
        # The English gloss under a name character names no sense a parent should not read.
        unsuitable = re.compile(r"\b(?:semen|concubine|kill|destroy|slave|stupid|evil|sex)\b")
        shown = {ch: self.characters[ch][4].split("<br />")[-1] for ch in self.name_characters()}
        self.assertEqual({ch: line for ch, line in shown.items() if unsuitable.search(line)}, {})
        self.assertTrue(shown["精"].endswith("essence; spirit"), shown["精"])
        self.assertTrue(shown["刘"].endswith("surname"), shown["刘"])

    def test_surname_readings(self):
        readings = dict((surname, (plain, marked, initial)) for surname, plain, marked, initial
                        in self.rows("select 姓, 拼音1, 拼音2, 声母 from NB_姓氏读音"))
        # Every surname of NB_百家姓, and the surnames of our reading table that it lacks, read
        # as surnames and not as the character is read in given names.
        listed = {s for (s,) in self.rows("select 姓 from NB_百家姓")}
        with open(source_path("tools", "namedb", "surname_readings.tsv"), encoding="utf-8") as f:
            reviewed = {line.split("\t")[0] for line in f
                        if line.strip() and not line.startswith("#")} - {"姓"}
        self.assertEqual(set(readings), listed | reviewed)
        for surname, expected in [("召", ("shao", "shào", "sh")), ("种", ("chong", "chóng", "ch")),
                                  ("秘", ("bi", "bì", "b")), ("员", ("yun", "yùn", "y")),
                                  ("繁", ("po", "pó", "p")), ("折", ("she", "shé", "sh")),
                                  ("华", ("hua", "huà", "h")), ("纪", ("ji", "jǐ", "j")),
                                  ("葛", ("ge", "gě", "g")), ("燕", ("yan", "yān", "y")),
                                  ("阚", ("kan", "kàn", "k")), ("朴", ("piao", "piáo", "p")),
                                  ("单", ("shan", "shàn", "sh")), ("吕", ("lv", "lǚ", "l")),
                                  ("欧阳", ("ou yang", "ōu yáng", "")),
                                  ("卓", ("zhuo", "zhuó", "zh")), ("干", ("gan", "gān", "g")),
                                  ("於", ("yu", "yū", "y")), ("蔚", ("yu", "yù", "y")),
                                  ("夹谷", ("jia gu", "jiá gǔ", "j")),
                                  ("段干", ("duan gan", "duàn gān", "d"))]:
            with self.subTest(surname=surname):
                self.assertEqual(readings.get(surname), expected)
        toneless = [s for s, (_, marked, _) in readings.items()
                    if len(marked.split()) != len(s)
                    or not all(TONE_MARK.search(syllable) for syllable in marked.split())]
        self.assertEqual(toneless, [], "surnames without a toned reading for each character")

    def test_kangxi_stroke_counts(self):
        wrong = {}
        for item in KANGXI_STROKES.split():
            ch, expected = item[0], int(item[1:])
            stored = self.characters.get(ch, (0, "", None))[2]
            if stored != expected:
                wrong[ch] = (stored, expected)
        self.assertEqual(wrong, {}, "character: (stored, expected)")

    def test_stroke_differences_from_the_published_table_are_reviewed(self):
        # Every name character whose count differs from the naming books' table is listed,
        # with its reason, in stroke_overrides.tsv.
        with open(source_path("tools", "namedb", "stroke_overrides.tsv"), encoding="utf-8") as f:
            reviewed = {line.split("\t")[0] for line in f if not line.startswith("#")}
        published = {}
        with open(source_path("tools", "namedb", "published_elements.tsv"), encoding="utf-8") as f:
            for line in f:
                cells = line.rstrip("\n").split("\t")
                if not line.startswith("#") and cells[1].isdigit():
                    for ch in cells[2]:
                        published.setdefault(ch, set()).add(int(cells[1]))
        unexplained = [ch for ch in sorted(self.name_characters())
                       if len(published.get(ch, ())) == 1 and ch not in reviewed
                       and self.characters[ch][2] not in published[ch]]
        self.assertEqual(unexplained, [])

    def test_strokes_agree_where_the_published_tables_agree(self):
        # Where the naming books' table and the Taiwanese table (published_traditional_strokes.tsv)
        # give a name character the same count, nearly every name character has it; the few
        # that keep their own count are reviewed above.
        sys.path.insert(0, source_path("tools", "namedb"))
        import agreement
        forms = dict(self.rows("select 汉字, 繁体 from NB_CNWord"))
        agreed = agreement.agreed_strokes(agreement.published(),
                                          agreement.traditional_published(), forms)
        named = [ch for ch in self.name_characters() if ch in agreed]
        differ = [ch for ch in named if self.characters[ch][2] != agreed[ch]]
        self.assertGreater(len(named), 2000)
        self.assertLessEqual(len(differ), 0.03 * len(named), "".join(sorted(differ)))

    def test_character_columns(self):
        self.assertEqual(self.rows("select count(*) from NB_CNWord where 五行属性 not in "
                                   "('金','木','水','火','土')"), [(0,)])
        self.assertEqual(self.rows("select count(*) - count(distinct 汉字) from NB_CNWord"),
                         [(0,)])
        # Readings as names carry them (罗 luó, not Unihan's first luō), radicals as mainland
        # dictionaries show them, and the traditional form numerology counts.
        for ch, pinyin, marked, initial, final, radical, traditional in [
                ("李", "li", "lǐ", "l", "i", "木", "李"),
                ("张", "zhang", "zhāng", "zh", "ang", "弓", "張"),
                ("吕", "lv", "lǚ", "l", "v", "口", "呂"),
                ("安", "an", "ān", "", "an", "宀", "安"),
                ("罗", "luo", "luó", "l", "uo", "罒", "羅"),
                ("曾", "zeng", "zēng", "z", "eng", "曰", "曾"),
                ("长", "chang", "cháng", "ch", "ang", "长", "長"),
                ("卜", "bu", "bǔ", "b", "u", "卜", "卜"),
                ("邦", "bang", "bāng", "b", "ang", "阝", "邦"),
                ("胡", "hu", "hú", "h", "u", "月", "胡"),
                ("敏", "min", "mǐn", "m", "in", "攵", "敏"),
                ("范", "fan", "fàn", "f", "an", "艹", "范"),
                ("艳", "yan", "yàn", "y", "an", "色", "艷")]:
            with self.subTest(character=ch):
                self.assertEqual(self.rows("select 拼音1, 拼音2, 声母, 韵母, 部首, 繁体 "
                                           "from NB_CNWord where 汉字=?", ch),
                                 [(pinyin, marked, initial, final, radical, traditional)])

    def test_numbers_and_three_talents(self):
        numbers = self.rows("select Id, 吉凶 from NB_八一灵动数 order by Id")
        self.assertEqual([n for n, _ in numbers], list(range(1, 82)))
        classes = {"大吉": "good", "吉": "good", "中": "half", "凶": "bad", "大凶": "bad"}
        published = {n: "good" if n in GOOD_NUMBERS else "half" if n in HALF_GOOD_NUMBERS
                     else "bad" for n in range(1, 82)}
        self.assertEqual({n: classes.get(rating) for n, rating in numbers}, published)
        self.assertEqual(dict(numbers)[2], "凶")
        talents = dict(self.rows("select 三才, 吉凶 from NB_三才配置"))
        keys = {"".join(p) for p in itertools.product(ELEMENTS, repeat=3)}
        self.assertEqual(set(talents), keys)
        self.assertEqual(self.rows("select count(*) from NB_三才配置"), [(125,)])
        self.assertTrue(all(rating in RATINGS for rating in talents.values()))
        wrong = {key: talents[key] for key in GOOD_THREE_TALENTS.split()
                 if talents[key] not in ("大吉", "吉")}
        wrong.update({key: talents[key] for key in BAD_THREE_TALENTS.split()
                      if talents[key] not in ("凶", "大凶")})
        self.assertEqual(wrong, {}, "three talents against the published class")

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

    def test_articles_give_one_fever_threshold(self):
        # Every article that says when a child has a fever says the same.
        thresholds = set()
        for (body,) in self.rows("select 内容 from NB_育儿百科"):
            for sentence in re.split("[。；]", body):
                if "算发热" in sentence:
                    thresholds.update(re.findall(r"(?:腋[下温]\D{0,4})(\d+(?:\.\d)?)", sentence))
        self.assertEqual(thresholds, {"37.5"})

    def test_every_surname_has_its_page_texts(self):
        # No surname page opens empty, and the compound surnames parents ask for are there.
        bare = self.rows("select 姓 from NB_百家姓 where 姓氏起源 = '' or 聚集地 = '' "
                         "or 历史名人 = ''")
        self.assertEqual([s for (s,) in bare], [], f"{len(bare)} surnames with an empty text")
        surnames = {s for (s,) in self.rows("select 姓 from NB_百家姓")}
        self.assertEqual({"完颜", "纳兰", "爱新觉罗"} - surnames, set())
        # No page pretends to know: the filler that once stood for an unknown origin or for no
        # famous bearer is gone; a rare surname says plainly what is not known.
        filler = self.rows("select 姓 from NB_百家姓 where 姓氏起源 like '%记载较少%' "
                           "or 历史名人 like '%史籍所载名人较少%'")
        self.assertEqual(filler, [])

    def test_english_names(self):
        rows = self.rows("select EIndex, EIndex2, Name, Sex, Cnword from NB_EName")
        self.assertGreaterEqual(len(rows), 1000)
        for index, index2, name, sex, chinese in rows:
            with self.subTest(name=name):
                self.assertEqual(index, name[0].lower())
                self.assertIn(index2, ("", name[:2].lower()))
                self.assertIn(sex, (1, 2, 3))
                self.assertTrue(chinese)
        by_name = {name: (sex, index2, chinese) for _, index2, name, sex, chinese in rows}
        # The usual renderings, and transliterations that once lost or garbled a sound
        # (Alma 尔玛, Kaylee 卡伊尔, Mckenzie 姆肯齐, Claudia 克拉厄蒂娅).
        for name, expected in [("James", (1, "", "詹姆斯")), ("Mary", (2, "", "玛丽")),
                               ("David", (1, "", "大卫")), ("Matthew", (1, "", "马修")),
                               ("Elizabeth", (2, "", "伊丽莎白")), ("Paul", (1, "", "保罗")),
                               ("Charles", (1, "ch", "查尔斯")), ("Sharon", (2, "sh", "莎伦")),
                               ("Thomas", (1, "th", "托马斯")), ("Phillip", (1, "ph", "菲利普")),
                               ("Alma", (2, "", "阿尔玛")), ("Kaylee", (2, "", "凯莉")),
                               ("Mckenzie", (2, "", "麦肯齐")), ("Hayden", (3, "", "海登")),
                               ("Claudia", (2, "", "克洛蒂娅")), ("Dave", (1, "", "戴夫")),
                               ("Jorge", (1, "", "豪尔赫")), ("Javier", (1, "", "哈维尔")),
                               ("Quinn", (3, "", "奎因")), ("Jameson", (1, "", "詹姆森"))]:
            with self.subTest(name=name):
                self.assertEqual(by_name[name], expected)

    def test_poems(self):
        poets = self.rows("select Poet, PoemCount, OrderId from NB_Poet order by OrderId")
        self.assertEqual([order for _, _, order in poets], list(range(1, len(poets) + 1)))
        counts = [int(count) for _, count, _ in poets]
        self.assertEqual(counts, sorted(counts, reverse=True))
        self.assertEqual(self.rows("select count(*) from NB_全唐诗 where 作者 not in "
                                   "(select Poet from NB_Poet) or 标题='' or 内容=''"), [(0,)])
        self.assertEqual(self.rows("select sum(PoemCount) from NB_Poet")[0][0],
                         self.rows("select count(*) from NB_全唐诗")[0][0])
        self.assertEqual(self.rows("select Poet from NB_Poet where Poet like '%□%'"), [])
        # A character GBK has stays where OpenCC's simplified form is one GBK lacks (竚, 爇),
        # which would have been a placeholder.
        text = self.rows("select 内容 from NB_全唐诗 where 作者='宋之问' and 标题='七夕'")[0][0]
        self.assertIn("归轮竚日输", text)
        self.assertIn("焚爇", self.rows("select 内容 from NB_全唐诗 where 作者='苏颋' and "
                                      "标题='奉和圣制春台望应制'")[0][0])
        pools = characters_of(source_path("generation", "lists", "male_pool.txt")) | \
            characters_of(source_path("generation", "lists", "female_pool.txt"))
        title, text, marks = self.rows("select 标题, 内容, 首字母 from NB_全唐诗 "
                                       "where 作者='李白' and 标题='静夜思'")[0]
        self.assertIn("疑是地上霜", text)
        expected = "".join(dict.fromkeys(ch for ch in text if ch in pools))
        self.assertEqual(marks, expected)


class ArticleFileTest(unittest.TestCase):
    """The builder reads the article files of a writer who may mistype a category."""

    def test_articles_of_an_unknown_category_are_kept_with_one_warning(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import build_namedb
        with tempfile.TemporaryDirectory() as texts:
            os.mkdir(os.path.join(texts, "articles"))
            with open(os.path.join(texts, "articles", "parenting.txt"), "w",
                      encoding="utf-8") as f:
                f.write("@@ 未知分类 | 一\n正文一\n@@ 未知分类 | 二\n正文二\n@@ 胎教 | 三\n正文三\n")
            saved = build_namedb.TEXTS_DIR, list(build_namedb.warnings)
            build_namedb.TEXTS_DIR = texts
            try:
                with contextlib.redirect_stderr(io.StringIO()):
                    parenting, fortune = build_namedb.build_articles()
                new_warnings = build_namedb.warnings[len(saved[1]):]
            finally:
                build_namedb.TEXTS_DIR = saved[0]
                build_namedb.warnings[:] = saved[1]
        self.assertEqual([row[2:4] for row in parenting],
                         [["未知分类", "一"], ["未知分类", "二"], ["胎教", "三"]])
        self.assertEqual(fortune, [])
        self.assertEqual(len(new_warnings), 1)


class DictionaryTextTest(unittest.TestCase):
    """The builder cleans the dictionary's word explanations of the characters outside the
    name pools."""

    def test_cleaning(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import build_namedb
        for word, text, expected in [
                ("猩红热", "以2～10岁儿童多见，～好发于冬春", "以2～10岁儿童多见，猩红热好发于冬春"),
                ("中碳钢", "1.含碳量(约0.25～0.50%)的钢。", "1.含碳量(约0.25～0.50%)的钢。"),
                # The modern dictionary lost its decimal points: a measure is left out.
                ("篮球运动", "球用皮制。在离地305米处装上球篮。两队对抗。", "球用皮制。两队对抗。"),
                ("中栏", "1.栏架高91.7厘米。", "1.栏架高91.7厘米。"),
                ("氧化汞", "化学式hgo。与h2o、nacl、cu(oh)2不同", "化学式HgO。与H2O、NaCl、Cu(OH)2不同"),
                ("x", "阿q与维生素c，x射线，t形，basic", "阿Q与维生素C，X射线，T形，BASIC"),
                ("x", "函数f(x)=a2+b2，sin x，读ban", "函数f(x)=a2+b2，sin x，读ban"),
                ("蔗基鱼塘", "见桑基鱼塘(308┮)。", "见桑基鱼塘。"),
                ("别来无恙", "问候语别来无╉Γ安然无恙", ""),
                ("额头", "额芒俚耐ǔ啤", ""),
                ("阿Q", "又ākiū鲁迅著", "又ākiū鲁迅著"),
                ("x", "俄语катюша", ""),
                ("连天", "湖水～│芳草～", "湖水连天｜芳草连天")]:
            with self.subTest(word=word, text=text):
                self.assertEqual(build_namedb.clean_explanation(word, text), expected)


class TransliterationTest(unittest.TestCase):
    """Names no rendering list knows are transliterated by their sound."""

    def test_spanish_j_and_x_and_a_final_r(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import build_namedb
        transliterate = build_namedb.Transliterator()
        for name, female, expected in [("Yasir", False, "亚西尔"), ("Kumar", False, "库马尔"),
                                       ("Juan", False, "胡安"), ("Alejo", False, "阿莱霍"),
                                       ("Xander", False, "赞德"), ("Ximena", True, "希梅娜"),
                                       ("Dexter", False, "德克斯特"), ("Oscar", False, "奥斯卡"),
                                       ("Benjamin", False, "本贾明"), ("Joann", True, "乔安")]:
            with self.subTest(name=name):
                self.assertEqual(transliterate(name, female), expected)


class CharacterTextFileTest(unittest.TestCase):
    """The builder reads our explanation files, written by hand in several parts."""

    def test_files_are_read_in_name_order_and_a_character_counts_once(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import build_namedb
        with tempfile.TemporaryDirectory() as texts:
            for name, body in [("character_explanations_2.tsv", "玥\t二\t二详\n"),
                               ("character_explanations_1.tsv",
                                "# 注释\n字\t基本解释\t详细解释\n玥\t神珠。<br />宝珠\t一详\n"
                                "涵\t包容\n字\t文字\t文字详\n")]:
                with open(os.path.join(texts, name), "w", encoding="utf-8") as f:
                    f.write(body)
            saved = build_namedb.TEXTS_DIR, list(build_namedb.warnings)
            build_namedb.TEXTS_DIR = texts
            try:
                with contextlib.redirect_stderr(io.StringIO()):
                    loaded = build_namedb.load_character_texts()
                new_warnings = build_namedb.warnings[len(saved[1]):]
            finally:
                build_namedb.TEXTS_DIR = saved[0]
                build_namedb.warnings[:] = saved[1]
        self.assertEqual(loaded, {"玥": ("神珠。<br />宝珠", "一详"), "字": ("文字", "文字详")})
        self.assertEqual(len(new_warnings), 2)  # 涵 lacks a column; 玥 comes twice
        self.assertEqual(build_namedb.own_text("神珠<br />宝珠 & 玉", ["a gem"]),
                         "神珠<br />宝珠 &amp; 玉<br />a gem")


class ReviewFileTest(unittest.TestCase):
    """The reviewed files refuse a line that breaks their rules, so no flag or list reaches the
    program without its reason."""

    def read(self, reader, body, *more):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "review.tsv")
            with open(path, "w", encoding="utf-8") as f:
                f.write(body)
            return reader(path, *more)

    def test_lines_that_break_the_rules_are_refused(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import name_fitness
        header = "字\t判定\t缘由\t寓意\n"
        fitness = self.read(name_fitness.read_fitness, header + "梓\t中\t\t梓木、故乡\n"
                            "蚊\t不宜\t虫兽：蚊子\t\n娜\t女\t婀娜，多用于女名\t婀娜、柔美\n")
        self.assertEqual([row[:2] for row in fitness], [("梓", "中"), ("蚊", "不宜"), ("娜", "女")])
        for line in ("蚊\t不宜\t蚊子\t\n",          # a reason without its kind
                     "蚊\t不宜\t虫兽：蚊子\t蚊虫\n",  # an unfit character with a sense
                     "娜\t女\t\t婀娜\n",             # a lean without its reason
                     "梓\t中\t\t梓\n",               # a sense of one character
                     "梓\t好\t\t梓木\n",             # an unknown verdict
                     "梓\t中\t\t梓木\n梓\t中\t\t梓木\n"):
            with self.subTest(line=line):
                with self.assertRaises(name_fitness.ReviewError):
                    self.read(name_fitness.read_fitness, header + line)
        plain_header = "字\t缘由\n"
        self.assertEqual(self.read(name_fitness.read_plain, plain_header + "梓\t器物：梓木\n",
                                   fitness), [("梓", "器物：梓木")])
        for line in ("蚊\t虫兽：蚊子\n", "笔\t器物：笔\n", "梓\t梓木\n"):
            with self.subTest(line=line):
                with self.assertRaises(name_fitness.ReviewError):
                    self.read(name_fitness.read_plain, plain_header + line, fitness)

class NameSourceTest(unittest.TestCase):
    """The best source of a pair: side by side in a classic, then in a ci by fame, then in order
    within a classic's sentence; a word of the line cutting the pair gives no source."""

    def test_the_order_of_sources_and_word_boundaries(self):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import name_sources
        finder = name_sources.SourceFinder(set("子衿静女姝青心悠我君在贮清扬婉兮"), {"君子", "悠悠"})
        # A ci has 子衿 side by side, but a classic's passage comes first; 贮在君子衿 is cut.
        passages = ["青青子衿，悠悠我心。", "静女其姝，俟我于城隅。", "贮在君子衿，静姝清扬。"]
        finder.add_adjacent(0, 1, passages[0])
        finder.add_adjacent(0, 2, passages[1])
        finder.add_adjacent(1, 3, passages[2])
        finder.add_in_order(2, 1, passages[0])
        finder.add_in_order(2, 2, passages[1])
        best = {pair: (passage, joined) for pair, passage, joined in finder.rows()}
        self.assertEqual(best["子衿"], (1, 1))
        # 静姝 side by side in the ci beats the classic's 静女其姝 in order.
        self.assertEqual(best["静姝"], (3, 1))
        self.assertEqual(best["女姝"], (2, 0))
        self.assertNotIn("在君", best)  # 君子 is a word: 在|君 is cut
        self.assertNotIn("衿静", best)  # across lines of a passage, never side by side
        self.assertEqual(name_sources.units("短句。" + "长" * 25 + "，" + "句" * 20 + "。"),
                         ["短句。", "长" * 25, "句" * 20])


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        SOURCE_DIR = sys.argv.pop(1)
    unittest.main(verbosity=2)
