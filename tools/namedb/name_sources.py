"""Where a given name comes from: the sentence of 诗经, 楚辞, 论语, 孟子, 大学, 中庸, 唐诗 or 宋词 that
holds its two characters, chosen once here for every pair of characters a parent may give.

The best source of a pair, in this order:
1. a line of a classic where the two stand side by side, in the name's order;
2. the same in a Song ci, the ci searched most first;
3. a sentence of a classic that holds the two in the name's order (静女其姝 gives 静姝).
The program looks in the Tang poems (which have an index of their own) after the classics' side by
side pairs and before the Song ci.
Within a classic the earlier sentence wins. Two characters side by side are no source when a word
of the line cuts between them: in 贮在君子衿 the 子 belongs to 君子, so it gives no 子衿; in 不知远郡
the 知 belongs to 不知. The words are those in common use (CC-CEDICT's).

Standard library only; the builder hands in what it has read (the Tang poems, the converters).
"""

import glob
import json
import os
import re

CLASSICS = ("诗经", "楚辞", "论语", "孟子", "大学", "中庸")
TANG = "唐诗"
SONG_CI = "宋词"

TABLES = {
    # Every passage of the classics and the Song ci (a sentence, or a line of a long one), Id in
    # their order (the classics as written, then the ci searched most first): the collection
    # (典籍), the piece (篇: 郑风·子衿, a ci's 词牌), the author where known, and the passage.
    "NB_典籍句": [("Id", "Integer(10)"), ("典籍", "VarChar(4)"), ("篇", "VarChar(40)"),
                ("作者", "VarChar(20)"), ("句", "VarChar(120)")],
    # The best source of every pair of characters that some passage holds: the pair (字对), the
    # passage (句Id in NB_典籍句), and 相连 1 when the two stand side by side.
    "NB_出处": [("字对", "VarChar(4)"), ("句Id", "Integer(10)"), ("相连", "Integer(1)")],
}
INDEXES = ("create index NameSourceIndex on NB_出处(字对 ASC)",
           "create index SourceSentenceIndex on NB_典籍句(Id ASC)")

SENTENCE = re.compile(r"[^。！？；]*[。！？；]?")
LINE_BREAKS = re.compile("[，、：。！？；]")
QUOTES = re.compile("[“”‘’「」『』\"']")
# A cited sentence longer than this is cut to the line that holds the pair.
SENTENCE_LIMIT = 40


def _load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def read_classics(dist, to_simplified):
    """[(collection, piece, author, text)] of the classics, in their order. to_simplified(lines)
    converts traditional lines (孟子, 大学, 中庸 are stored traditional)."""
    pieces = []
    path = os.path.join(dist, "shijing", "shijing.json")
    if os.path.exists(path):
        for poem in _load(path):
            pieces.append(("诗经", f"{poem['section']}·{poem['title']}", "",
                           "".join(poem["content"])))
    path = os.path.join(dist, "chuci", "chuci.json")
    if os.path.exists(path):
        for poem in _load(path):
            section, title = poem.get("section", ""), poem["title"]
            piece = title if section in ("", title) else f"{section}·{title}"
            pieces.append(("楚辞", piece, poem.get("author", ""), "".join(poem["content"])))
    path = os.path.join(dist, "lunyu", "lunyu.json")
    if os.path.exists(path):
        for chapter in _load(path):
            pieces.append(("论语", chapter["chapter"].removesuffix("篇"), "",
                           "".join(chapter["paragraphs"])))
    traditional = []
    for collection, name in (("孟子", "mengzi"), ("大学", "daxue"), ("中庸", "zhongyong")):
        path = os.path.join(dist, "sishuwujing", f"{name}.json")
        if not os.path.exists(path):
            continue
        chapters = _load(path)
        for chapter in chapters if isinstance(chapters, list) else [chapters]:
            piece = chapter["chapter"] if collection == "孟子" else ""
            traditional.append((collection, piece, "", "".join(chapter["paragraphs"])))
    if traditional:
        converted = to_simplified([text for *_, text in traditional] +
                                  [piece for _, piece, _, _ in traditional])
        count = len(traditional)
        for index, (collection, _, author, _) in enumerate(traditional):
            pieces.append((collection, converted[count + index], author, converted[index]))
    return pieces


def read_song_ci(dist):
    """[(词牌, author, text)] of the Song ci, the ci searched most first. A ci whose fame row
    names another author or 词牌 has no fame and comes after those that have."""
    directory = os.path.join(dist, "songci")
    # ci.song.<first number>.json; ci.song.2019y.json repeats ci of the others and is left out.
    files = sorted((p for p in glob.glob(os.path.join(directory, "ci.song.*.json"))
                    if os.path.basename(p).split(".")[2].isdigit()),
                   key=lambda p: int(os.path.basename(p).split(".")[2]))
    ranked = []
    for path in files:
        number = os.path.basename(path).split(".")[2]
        rank_path = os.path.join(dist, "rank", "ci", f"ci.song.rank.{number}.json")
        fames = _load(rank_path) if os.path.exists(rank_path) else []
        for index, ci in enumerate(_load(path)):
            fame = fames[index] if index < len(fames) else None
            agrees = (fame is not None and fame.get("author") == ci.get("author")
                      and fame.get("rhythmic") == ci.get("rhythmic"))
            hits = fame.get("baidu", 0) if agrees else -1
            ranked.append((-hits, len(ranked), ci.get("rhythmic", ""), ci.get("author", ""),
                           "".join(ci.get("paragraphs") or [])))
    ranked.sort()
    return [(rhythmic, author, text) for _, _, rhythmic, author, text in ranked]


def sentences(text):
    """The sentences of a text, each with its closing mark, quotes and spaces left out."""
    text = QUOTES.sub("", re.sub(r"\s+", "", text))
    return [s for s in SENTENCE.findall(text) if s]


def units(text):
    """The passages a name is drawn from and cited by: each sentence, or the lines of a sentence
    too long to read at a glance."""
    found = []
    for sentence in sentences(text):
        if len(sentence) <= SENTENCE_LIMIT:
            found.append(sentence)
        else:
            found.extend(line for line in LINE_BREAKS.split(sentence) if line)
    return found


class SourceFinder:
    """Collects the best passage of every pair of characters over the passages handed in, best
    kinds first, earlier passages first within a kind."""

    def __init__(self, characters, words):
        self.characters = characters
        self.words = words
        self.best = {}  # pair -> (kind, passage number, side by side)

    def _offer(self, pair, kind, passage, joined):
        known = self.best.get(pair)
        if known is None or (kind, passage) < known[:2]:
            self.best[pair] = (kind, passage, joined)

    def cut(self, line, at):
        """Whether a word of the line cuts between line[at] and line[at + 1]."""
        pair = line[at:at + 2]
        if pair in self.words:
            return False
        return ((at > 0 and line[at - 1:at + 1] in self.words)
                or (at + 2 < len(line) and line[at + 1:at + 3] in self.words))

    def add_adjacent(self, kind, passage, text):
        for line in LINE_BREAKS.split(text):
            for at in range(len(line) - 1):
                a, b = line[at], line[at + 1]
                if a in self.characters and b in self.characters and not self.cut(line, at):
                    self._offer(a + b, kind, passage, 1)

    def add_in_order(self, kind, passage, text):
        characters = [(ch, index) for index, ch in enumerate(text) if ch in self.characters]
        for i, (a, at) in enumerate(characters):
            for b, bt in characters[i + 1:]:
                if a != b and bt > at + 1:
                    self._offer(a + b, kind, passage, 0)

    def rows(self):
        return [(pair, passage, joined) for pair, (_, passage, joined) in sorted(self.best.items())]


def build(dist, fit, classic_characters, words, to_simplified, gbk_text):
    """(NB_典籍句 rows, NB_出处 rows): every passage of the classics and the Song ci, numbered in
    their order (the classics as written, then the ci searched most first), and the best passage
    of every pair. fit: the characters fit for a name, the ci's pairs are made of;
    classic_characters: the wider set the classics' pairs are made of (a parent takes 衿 from 子衿
    though no pool offers it); gbk_text makes a text GBK-safe. The Tang poems have their own
    index, read by the program."""
    passages = []  # (collection, piece, author, text)
    classic_count = 0
    for collection, piece, author, text in read_classics(dist, to_simplified):
        passages.extend((collection, piece, author, unit) for unit in units(text))
    classic_count = len(passages)
    for rhythmic, author, text in read_song_ci(dist):
        passages.extend((SONG_CI, rhythmic, author, unit) for unit in units(text))
    finder = SourceFinder(classic_characters, words)
    for number in range(classic_count):
        finder.add_adjacent(0, number + 1, passages[number][3])
    finder.characters = fit
    for number in range(classic_count, len(passages)):
        finder.add_adjacent(1, number + 1, passages[number][3])
    finder.characters = classic_characters
    for number in range(classic_count):
        finder.add_in_order(2, number + 1, passages[number][3])
    sentence_rows = [(number, collection, gbk_text(piece), gbk_text.name(author), gbk_text(text))
                     for number, (collection, piece, author, text) in enumerate(passages, 1)]
    return sentence_rows, finder.rows()
