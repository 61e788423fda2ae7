#include "quality/PoemSource.h"

#include <algorithm>
#include <optional>

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "quality/QualityTables.h"

namespace quality {

namespace {

// A posting is ((rank << kLineBits | line) << kPlaceBits) | place, as the database builder packs
// it; see tools/namedb/quality_tables.py.
constexpr int kLineBits = 10;
constexpr int kPlaceBits = 5;

std::uint64_t LineKey(std::uint64_t posting) { return posting >> kPlaceBits; }
std::uint64_t Place(std::uint64_t posting) { return posting & ((1u << kPlaceBits) - 1); }

bool IsLineBreak(std::string_view piece) {
    if (piece.size() == 1) {
        const char c = piece[0];
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    for (const char* mark : {"，", "。", "？", "！", "；", "：", "、", "　"})
        if (piece == mark) return true;
    return false;
}

std::optional<std::string> ReadPostings(SqliteDatabase& db, const std::string& character) {
    std::optional<Statement> rows = PrepareIfPresent(
        db, "select 诗句 from NB_诗句索引 where 汉字=?1", {SqlValue::Text(character)});
    if (!rows || !rows->NextOrThrow()) return std::nullopt;
    return rows->Bytes(0);
}

// The text of the line a posting's line key names: the line of the poem at that rank.
std::optional<std::string> LineOf(SqliteDatabase& db, std::uint64_t lineKey) {
    std::optional<Statement> poemId =
        PrepareIfPresent(db, "select 诗Id from NB_诗篇次序 where 次序=?1",
                         {SqlValue::Int(static_cast<std::int64_t>(lineKey >> kLineBits))});
    if (!poemId || !poemId->NextOrThrow()) return std::nullopt;
    Statement poem =
        db.Prepare("select 内容 from NB_全唐诗 where Id=?1", {SqlValue::Int(poemId->Int64(0))});
    if (!poem.NextOrThrow()) return std::nullopt;
    const std::string text = poem.Text(0);
    const std::vector<std::string_view> lines = PoemLines(text);
    const std::uint64_t number = lineKey & ((1u << kLineBits) - 1);
    if (number >= lines.size()) return std::nullopt;
    return std::string(lines[number]);
}

// Whether a word of the line cuts between its characters at place and place + 1: 君子衿 holds
// 子衿 side by side, but its 子 belongs to 君子.
bool CutByAWord(const std::string& line, std::uint64_t place, const WordList& words) {
    std::vector<std::string> characters = SplitCharacters(line);
    const auto at = static_cast<size_t>(place);
    if (at + 1 >= characters.size()) return false;
    const auto word = [&](size_t from) { return characters[from] + characters[from + 1]; };
    if (words.Contains(word(at))) return false;
    return (at > 0 && words.Contains(word(at - 1))) ||
           (at + 2 < characters.size() && words.Contains(word(at + 1)));
}

}  // namespace

WordList::WordList(std::vector<std::string> words) {
    std::sort(words.begin(), words.end());
    for (const std::string& word : words)
        if (word.size() == 4) m_packed += word;
}

WordList WordList::FromPacked(std::string packed) {
    WordList list;
    packed.resize(packed.size() / 4 * 4);
    list.m_packed = std::move(packed);
    return list;
}

bool WordList::Contains(std::string_view word) const {
    if (word.size() != 4) return false;
    size_t low = 0, high = m_packed.size() / 4;
    while (low < high) {
        const size_t middle = (low + high) / 2;
        const int order = std::string_view(m_packed).substr(middle * 4, 4).compare(word);
        if (order == 0) return true;
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return false;
}

std::vector<std::string_view> PoemLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    size_t at = 0;
    while (at < text.size()) {
        const size_t width = static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
        const std::string_view piece = text.substr(at, width);
        if (IsLineBreak(piece)) {
            if (at > start) lines.push_back(text.substr(start, at - start));
            start = at + piece.size();
        }
        at += piece.size();
    }
    if (text.size() > start) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::uint64_t> DecodePostings(std::string_view blob) {
    std::vector<std::uint64_t> postings;
    postings.reserve(blob.size() / 2);
    std::uint64_t value = 0;
    std::uint64_t delta = 0;
    int shift = 0;
    for (char c : blob) {
        const auto byte = static_cast<unsigned char>(c);
        if (shift < 64) delta |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        shift += 7;
        if (byte & 0x80) continue;
        value += delta;
        postings.push_back(value);
        delta = 0;
        shift = 0;
    }
    return postings;
}

PoemSource FindPoemSource(SqliteDatabase& db, const std::string& first, const std::string& second,
                          const WordList* words) {
    PoemSource source;
    const std::optional<std::string> firstBlob = ReadPostings(db, first);
    if (!firstBlob) return source;
    const std::optional<std::string> secondBlob =
        second == first ? firstBlob : ReadPostings(db, second);
    if (!secondBlob) return source;
    const std::vector<std::uint64_t> a = DecodePostings(*firstBlob);
    const std::vector<std::uint64_t> b = second == first ? a : DecodePostings(*secondBlob);

    // Walk both lists line by line; within a line, compare every place of the one with every
    // place of the other (a line holds a character a few times at most).
    constexpr int kKinds = static_cast<int>(PoemMatch::SameLine) + 1;
    std::uint64_t best[kKinds] = {};
    bool found[kKinds] = {};
    constexpr int kMostCutLines = 20;
    int cutLines = 0;
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size() && !found[static_cast<int>(PoemMatch::InOrder)]) {
        const std::uint64_t lineA = LineKey(a[i]);
        const std::uint64_t lineB = LineKey(b[j]);
        if (lineA < lineB) {
            ++i;
            continue;
        }
        if (lineB < lineA) {
            ++j;
            continue;
        }
        size_t endA = i, endB = j;
        while (endA < a.size() && LineKey(a[endA]) == lineA) ++endA;
        while (endB < b.size() && LineKey(b[endB]) == lineA) ++endB;
        for (size_t x = i; x < endA; ++x) {
            for (size_t y = j; y < endB; ++y) {
                const std::uint64_t placeA = Place(a[x]);
                const std::uint64_t placeB = Place(b[y]);
                if (placeA == placeB) continue;  // the same character counted twice
                const PoemMatch kind = placeB == placeA + 1   ? PoemMatch::InOrder
                                       : placeA == placeB + 1 ? PoemMatch::Reversed
                                                              : PoemMatch::SameLine;
                const int k = static_cast<int>(kind);
                if (found[k]) continue;
                // A pair a word of the line cuts is no source; a few such lines are looked at,
                // then the pair is taken as never side by side.
                if (kind == PoemMatch::InOrder && words && !words->empty()) {
                    if (cutLines >= kMostCutLines) continue;
                    const std::optional<std::string> line = LineOf(db, lineA);
                    if (line && CutByAWord(*line, placeA, *words)) {
                        ++cutLines;
                        continue;
                    }
                }
                found[k] = true;
                best[k] = lineA;
            }
        }
        i = endA;
        j = endB;
    }
    for (PoemMatch kind : {PoemMatch::InOrder, PoemMatch::Reversed, PoemMatch::SameLine}) {
        const int k = static_cast<int>(kind);
        if (!found[k]) continue;
        const std::uint64_t rank = best[k] >> kLineBits;
        const std::uint64_t lineNumber = best[k] & ((1u << kLineBits) - 1);
        std::optional<Statement> poemId =
            PrepareIfPresent(db, "select 诗Id from NB_诗篇次序 where 次序=?1",
                             {SqlValue::Int(static_cast<std::int64_t>(rank))});
        if (!poemId || !poemId->NextOrThrow()) return source;
        Statement poem = db.Prepare("select 标题, 作者, 内容 from NB_全唐诗 where Id=?1",
                                    {SqlValue::Int(poemId->Int64(0))});
        if (!poem.NextOrThrow()) return source;
        const std::string text = poem.Text(2);
        const std::vector<std::string_view> lines = PoemLines(text);
        if (lineNumber >= lines.size()) return source;
        source.match = kind;
        source.line = std::string(lines[lineNumber]);
        source.title = poem.Text(0);
        source.poet = poem.Text(1);
        source.collection = "唐诗";
        return source;
    }
    return source;
}

bool PoemSource::FromAClassic() const {
    for (const char* classic : {"诗经", "楚辞", "论语", "孟子", "大学", "中庸"})
        if (collection == classic) return true;
    return false;
}

PoemSource FindNameSource(SqliteDatabase& db, const std::string& first, const std::string& second) {
    PoemSource listed;
    std::optional<Statement> row =
        PrepareIfPresent(db,
                         "select j.典籍, j.篇, j.作者, j.句, s.相连 from NB_出处 s join NB_典籍句 "
                         "j on j.Id = s.句Id "
                         "where s.字对 = ?1",
                         {SqlValue::Text(first + second)});
    listed.classicsLooked = row.has_value();
    if (row && row->NextOrThrow()) {
        listed.collection = row->Text(0);
        listed.title = row->Text(1);
        listed.poet = row->Text(2);
        listed.line = row->Text(3);
        listed.match = row->Int(4) == 1 ? PoemMatch::InOrder : PoemMatch::InSentence;
    }
    // The table keeps one source a pair, the best of the classics and the ci; the Tang poems
    // come between the classics' side by side pairs and the rest.
    if (listed.match == PoemMatch::InOrder && listed.FromAClassic()) return listed;
    const WordList words = WordList::FromPacked(ReadPackedList(db, "常用词"));
    PoemSource tang = FindPoemSource(db, first, second, &words);
    tang.classicsLooked = listed.classicsLooked;
    if (tang.match == PoemMatch::InOrder || listed.match == PoemMatch::None) return tang;
    return listed;
}

}  // namespace quality
