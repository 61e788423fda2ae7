"""Which characters a parent could give, and which given names are words of bad sense.

`texts/character_fitness.tsv` holds the review of every pool character (and of the common unfit
characters outside the pools), one line each: the verdict (不宜 unfit for any name; 男 or 女 a
character that leans to that sex; 中 either), the reason of every flag, and for a fit character
the short sense a parent would say of it in a name (梓 "梓木、故乡"). `texts/bad_sense_words.tsv`
lists the two-character words that make a bad given name (领养, 清明, 伯伯), each with its reason.
`texts/plain_characters.tsv` lists the fit characters that read as everyday words rather than
names (笔 评 机 灯): the generators offer them after the characters parents give.

Both are reviewed by hand like code; the builder refuses a line that breaks the rules below, so a
flag never reaches the program without its reason. Standard library only.
"""

import os
import re

VERDICTS = ("不宜", "男", "女", "中")
# The kinds of reason an unfit character or a word of bad sense is given.
UNFIT_KINDS = ("字义不佳", "谐音不雅", "疾病", "死丧", "罪恶暴力", "低俗", "亲属称谓", "仆役身份",
               "术语", "虫兽", "虚词", "失意", "离愁", "场所")
# The kinds of unfit character that darken a whole line: 典籍起名 draws no name from a line that
# holds one (女心 of 女心伤悲).
DARK_KINDS = ("字义不佳", "死丧", "疾病", "罪恶暴力", "低俗", "失意", "离愁")
# A name sense is a few characters a parent reads at a glance.
SENSE_LENGTH = (2, 10)
HAN = re.compile(r"^[\u3400-\u9fff]$")

TABLES = {
    # One row per reviewed character: 判定 不宜/男/女/中, 缘由 the reason of a flag ("亲属称谓：指
    # 哥哥的妻子", "阳刚威武之义"; empty for 中), 寓意 the name sense of a fit character.
    "NB_用字": [("汉字", "VarChar(2)"), ("判定", "VarChar(2)"), ("缘由", "VarChar(40)"),
              ("寓意", "VarChar(20)")],
    # Given names that are words of bad sense, with the reason.
    "NB_不宜词": [("词", "VarChar(8)"), ("缘由", "VarChar(40)")],
    # Given names that are words whose dictionary sense reads as a name's meaning (秋月 秋夜的月亮).
    "NB_名词义": [("词", "VarChar(4)"), ("义", "VarChar(32)")],
    # The same lists as the program reads them before every run, one row each, already in GBK:
    # 用字判定 "字判定<TAB>" for every flagged character, 不宜字 "字<TAB>缘由<LF>", 不宜词 "词<LF>",
    # 寓意 "字<TAB>寓意<LF>" for every fit character, 词义 "词<TAB>义<LF>" in GBK byte order,
    # 平实字 "字<LF>", 悲字 "字<LF>" for the unfit characters of a dark kind; the builder adds
    # 常用词, the common words of two characters, four GBK bytes each.
    # One row read as it is stored costs a run far less than thousands of rows converted one by one.
    "NB_用字名单": [("名单", "VarChar(8)"), ("内容", "Blob")],
}
INDEXES = (
    "create index CharacterFitnessIndex on NB_用字(汉字 ASC)",
    "create index BadSenseWordIndex on NB_不宜词(词 ASC)",
    "create index NameWordSenseIndex on NB_名词义(词 ASC)",
)


class ReviewError(ValueError):
    pass


def _lines(path):
    """(line number, cells) of the data lines of a reviewed file, the header checked."""
    header = None
    with open(path, encoding="utf-8-sig") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
                continue
            yield number, header, cells


def _check_reason(where, reason):
    kind, colon, told = reason.partition("：")
    if not colon or kind not in UNFIT_KINDS or not told:
        raise ReviewError(f"{where}: reason {reason!r} is not 类别：说明 with a known 类别")


def read_fitness(path):
    """[(char, verdict, reason, sense)] in the file's order; raises ReviewError on a line that
    breaks the rules (unknown verdict, a flag without its reason, a fit character without a sense
    of two to ten characters, an unfit one with a sense, a character listed twice)."""
    rows = []
    seen = set()
    name = os.path.basename(path)
    for number, header, cells in _lines(path):
        where = f"{name}:{number}"
        if header != ["字", "判定", "缘由", "寓意"]:
            raise ReviewError(f"{name}: header must be 字 判定 缘由 寓意")
        cells += [""] * (4 - len(cells))
        if len(cells) != 4:
            raise ReviewError(f"{where}: four cells expected")
        ch, verdict, reason, sense = (cell.strip() for cell in cells)
        if not HAN.match(ch):
            raise ReviewError(f"{where}: {ch!r} is not one character")
        if ch in seen:
            raise ReviewError(f"{where}: {ch} is listed twice")
        seen.add(ch)
        if verdict not in VERDICTS:
            raise ReviewError(f"{where}: verdict {verdict!r} unknown")
        if verdict == "不宜":
            _check_reason(where, reason)
            if sense:
                raise ReviewError(f"{where}: an unfit character has no name sense")
        else:
            if verdict != "中" and not reason:
                raise ReviewError(f"{where}: the lean of {ch} needs its reason")
            length = len(sense)
            if not SENSE_LENGTH[0] <= length <= SENSE_LENGTH[1]:
                raise ReviewError(f"{where}: the sense of {ch} must be 2 to 10 characters")
        rows.append((ch, verdict, reason, sense))
    return rows


def _two_cells(path, header):
    """(where, first, second) of the data lines of a reviewed file of two cells, the header
    checked."""
    name = os.path.basename(path)
    for number, found, cells in _lines(path):
        where = f"{name}:{number}"
        if found != header:
            raise ReviewError(f"{name}: header must be {' '.join(header)}")
        if len(cells) != 2:
            raise ReviewError(f"{where}: two cells expected")
        yield where, cells[0].strip(), cells[1].strip()


def read_bad_words(path):
    """[(word, reason)] in the file's order, a word listed once; raises ReviewError otherwise."""
    rows = []
    seen = set()
    for where, word, reason in _two_cells(path, ["词", "缘由"]):
        if len(word) < 2 or not all(HAN.match(ch) for ch in word):
            raise ReviewError(f"{where}: {word!r} is not a word of two characters or more")
        _check_reason(where, reason)
        if word in seen:
            continue  # a phrase of the classics may repeat a given name's word
        seen.add(word)
        rows.append((word, reason))
    return rows


def read_plain(path, fitness):
    """[(char, reason)] of the plain characters; each must be a reviewed fit character."""
    fit = {ch for ch, verdict, _, _ in fitness if verdict != "不宜"}
    rows = []
    seen = set()
    for where, ch, reason in _two_cells(path, ["字", "缘由"]):
        if ch not in fit:
            raise ReviewError(f"{where}: {ch} is not a character the review finds fit")
        if ch in seen:
            raise ReviewError(f"{where}: {ch} is listed twice")
        kind, colon, told = reason.partition("：")
        if not colon or not kind or not told:
            raise ReviewError(f"{where}: reason {reason!r} is not 类别：说明")
        seen.add(ch)
        rows.append((ch, reason))
    return rows


def told_reason(reason):
    """What a finding says of an unfit character: the explanation after the kind ("指哥哥的
    妻子" of "亲属称谓：指哥哥的妻子")."""
    return reason.partition("：")[2] or reason


def gbk_order(word):
    return word.encode("gbk")


def build(fitness_path, words_paths, plain_path, word_senses_of):
    """The tables of this module and the NB_不宜字 rows: (tables, unfit rows). word_senses_of(fit
    characters, words of bad sense) gives the [(word, sense)] of the given names that are words."""
    fitness = read_fitness(fitness_path)
    plain = read_plain(plain_path, fitness) if os.path.exists(plain_path) else []
    words = []
    seen = set()
    for path in words_paths:
        for word, reason in read_bad_words(path):
            if word not in seen:
                seen.add(word)
                words.append((word, reason))
    unfit = [(index, ch, told_reason(reason)) for index, (ch, reason) in enumerate(
        ((ch, reason) for ch, verdict, reason, _ in sorted(fitness) if verdict == "不宜"), 1)]
    fit = {ch for ch, verdict, _, _ in fitness if verdict != "不宜"}
    bad = {word for word, _ in words}
    # No word of bad sense may stand inside a name's meaning either.
    bad_inside = re.compile("|".join(sorted(bad, key=len, reverse=True)))
    word_senses = sorted(((word, sense) for word, sense in word_senses_of(fit, bad)
                          if not bad_inside.search(sense)), key=lambda row: gbk_order(row[0]))
    lists = [
        ("用字判定", "".join(f"{ch}{verdict}\t" for ch, verdict, _, _ in fitness if verdict != "中")),
        ("不宜字", "".join(f"{ch}\t{reason}\n" for _, ch, reason in unfit)),
        ("不宜词", "".join(f"{word}\n" for word, _ in words)),
        ("寓意", "".join(f"{ch}\t{sense}\n" for ch, verdict, _, sense in fitness if verdict != "不宜")),
        ("词义", "".join(f"{word}\t{sense}\n" for word, sense in word_senses)),
        ("平实字", "".join(f"{ch}\n" for ch, _ in plain)),
        ("悲字", "".join(f"{ch}\n" for ch, verdict, reason, _ in fitness
                        if verdict == "不宜" and reason.partition("：")[0] in DARK_KINDS)),
    ]
    packed = [(name, text.encode("gbk")) for name, text in lists]
    return {"NB_用字": fitness, "NB_不宜词": words, "NB_名词义": word_senses,
            "NB_用字名单": packed}, unfit
