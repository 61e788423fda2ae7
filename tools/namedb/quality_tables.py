"""Tables behind the name-quality findings: the level of each character in the national standard
list, and an index of the Tang poem lines by character.

The loader copies them when the file has them, beside the nine tables whose layout is fixed; a
program that reads an older file without them simply reports no level and no source.

Sources: Unihan's kTGH field (the 通用规范汉字表 of 2013, Debian unicode-data) and the poem rows
that build_namedb.py makes from chinese-poetry. Standard library only.
"""

import bz2
import os
import re

# The standard list numbers its 8105 characters in three levels: 1-3500 the common characters
# every school child learns, 3501-6500 the second level, 6501-8105 the third (names of places,
# people and science).
LEVEL_BOUNDS = ((3500, 1), (6500, 2), (8105, 3))

# A poem line ends at one of these marks or at a space. The program cuts lines from a poem's text
# by the same marks, so line numbers here and there agree.
LINE_BREAKS = "，。？！；：、"
LINE_SPLIT = re.compile("[" + LINE_BREAKS + r"\s]+")

# A posting packs (poem rank, line of the poem, place in the line) into one number: ten bits for
# the line, five for the place. Lines past the 1024th of a poem and places past the 31st of a line
# are left out of the index; no poem of the collection that a name could quote from is that long.
LINE_BITS = 10
PLACE_BITS = 5

TABLES = {
    # One row per character of the standard list that GBK encodes; a character without a row is
    # outside the list.
    "NB_字级": [("Id", "Integer(10)"), ("汉字", "VarChar(2)"), ("级别", "Integer(10)")],
    # Per character, the places where it stands in a poem line: a blob of unsigned LEB128 numbers,
    # each the difference to the previous posting, in rising order. Rising order is the order of
    # preference (see NB_诗篇次序), so the first match of two characters is the best one.
    "NB_诗句索引": [("Id", "Integer(10)"), ("汉字", "VarChar(2)"), ("诗句", "Blob")],
    # The poems in order of preference: poets with more poems in the collection (the ones every
    # reader knows) first, then by Id. 次序 is the rank a posting carries, 诗Id the poem's
    # NB_全唐诗.Id.
    "NB_诗篇次序": [("次序", "Integer(10)"), ("诗Id", "Integer(10)")],
}

# Lookups of the program, made in the file too so that a tool reading it in place finds a row
# without scanning a table.
INDEXES = (
    "create index CharacterLevelIndex on NB_字级(汉字 ASC)",
    "create index PoemLineIndex on NB_诗句索引(汉字 ASC)",
    "create index PoemRankIndex on NB_诗篇次序(次序 ASC)",
    "create index PoemIdIndex on NB_全唐诗(Id ASC)",
)


def level_of(number):
    for bound, level in LEVEL_BOUNDS:
        if number <= bound:
            return level
    return 0


def read_standard_numbers(unicode_dir):
    """{char: number in the standard list} from Unihan's kTGH ("2013:1234")."""
    numbers = {}
    path = os.path.join(unicode_dir, "Unihan_OtherMappings.txt.bz2")
    if not os.path.exists(path):
        path = path[:-len(".bz2")]
    opener = bz2.open if path.endswith(".bz2") else open
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field == "kTGH":
                year, _, number = value.split()[0].partition(":")
                if number.isdigit():
                    numbers[chr(int(code[2:], 16))] = int(number)
    return numbers


def build_character_levels(character_rows, unicode_dir):
    """Rows of NB_字级 for the characters of NB_CNWord (column 2) that the list numbers, in the
    order of NB_CNWord."""
    numbers = read_standard_numbers(unicode_dir)
    rows = []
    for row in character_rows:
        ch = row[2]
        if ch in numbers:
            rows.append([len(rows) + 1, ch, level_of(numbers[ch])])
    return rows


def poem_lines(text):
    return [line for line in LINE_SPLIT.split(text) if line]


def leb128(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def build_poem_index(poet_rows, poem_rows):
    """(NB_诗句索引 rows, NB_诗篇次序 rows) from the rows of NB_Poet and NB_全唐诗."""
    poet_order = {row[1]: row[3] for row in poet_rows}
    last = len(poet_order) + 1
    ranked = sorted(poem_rows, key=lambda row: (poet_order.get(row[2], last), row[0]))
    postings = {}
    for rank, row in enumerate(ranked):
        for line_number, line in enumerate(poem_lines(row[3])):
            if line_number >> LINE_BITS:
                break
            base = ((rank << LINE_BITS) | line_number) << PLACE_BITS
            for place, ch in enumerate(line[:1 << PLACE_BITS]):
                postings.setdefault(ch, []).append(base | place)
    index_rows = []
    for ch in sorted(postings):
        previous = 0
        blob = bytearray()
        for value in postings[ch]:
            blob += leb128(value - previous)
            previous = value
        index_rows.append([len(index_rows) + 1, ch, bytes(blob)])
    rank_rows = [[rank, row[0]] for rank, row in enumerate(ranked)]
    return index_rows, rank_rows


def build(tables, unicode_dir):
    """The rows of every table of TABLES, from the tables build_namedb.py has made."""
    index_rows, rank_rows = build_poem_index(tables["NB_Poet"], tables["NB_全唐诗"])
    return {
        "NB_字级": build_character_levels(tables["NB_CNWord"], unicode_dir),
        "NB_诗句索引": index_rows,
        "NB_诗篇次序": rank_rows,
    }

