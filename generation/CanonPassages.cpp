#include "generation/CanonPassages.h"

#include <algorithm>
#include <optional>

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "quality/QualityTables.h"

namespace canon {

namespace {

constexpr size_t kPassageLimit = 40;  // characters, as the builder cuts them

bool IsOneOf(std::string_view character, std::initializer_list<const char*> marks) {
    for (const char* mark : marks)
        if (character == mark) return true;
    return false;
}

bool EndsSentence(std::string_view character) {
    return IsOneOf(character, {"。", "！", "？", "；"});
}

bool EndsLine(std::string_view character) {
    return EndsSentence(character) || IsOneOf(character, {"，", "、", "："});
}

bool IsHanzi(std::string_view character) {
    return character.size() == 2 && !EndsLine(character) &&
           !IsOneOf(character, {"“", "”", "‘", "’", "「", "」", "『", "』", "　", "（", "）"});
}

// The Tang poems of the poets read most first, as the poem index orders them.
void ForEachTangPassage(SqliteDatabase& db, const std::function<bool(const Passage&)>& visit) {
    std::optional<Statement> poems = quality::PrepareIfPresent(
        db,
        "select p.标题, p.作者, p.内容 from NB_诗篇次序 r join NB_全唐诗 p on p.Id = r.诗Id "
        "order by r.次序",
        {});
    if (!poems) return;
    Passage passage;
    passage.collection = "唐诗";
    while (poems->NextOrThrow()) {
        passage.piece = poems->Text(0);
        passage.author = poems->Text(1);
        for (std::string& text : PassagesOf(poems->Text(2))) {
            passage.text = std::move(text);
            if (!visit(passage)) return;
        }
    }
}

}  // namespace

const std::vector<std::string>& Collections() {
    static const std::vector<std::string> collections = {"诗经", "楚辞", "论语", "孟子",
                                                         "大学", "中庸", "唐诗", "宋词"};
    return collections;
}

const std::vector<std::string>& DefaultCollections() {
    static const std::vector<std::string> collections = {"诗经", "楚辞"};
    return collections;
}

void ForEachPassage(SqliteDatabase& db, const std::vector<std::string>& collections,
                    const std::function<bool(const Passage&)>& visit) {
    for (const std::string& collection : Collections()) {
        if (std::find(collections.begin(), collections.end(), collection) == collections.end())
            continue;
        if (collection == "唐诗") {
            bool more = true;
            ForEachTangPassage(db, [&](const Passage& passage) { return more = visit(passage); });
            if (!more) return;
            continue;
        }
        std::optional<Statement> rows = quality::PrepareIfPresent(
            db, "select 篇, 作者, 句 from NB_典籍句 where 典籍 = ?1 order by Id",
            {SqlValue::Text(collection)});
        if (!rows) continue;
        Passage passage;
        passage.collection = collection;
        while (rows->NextOrThrow()) {
            passage.piece = rows->Text(0);
            passage.author = rows->Text(1);
            passage.text = rows->Text(2);
            if (!visit(passage)) return;
        }
    }
}

std::vector<std::string> PassagesOf(std::string_view text) {
    std::vector<std::string> passages;
    std::vector<std::string> lines;  // the lines of the sentence being read, marks kept
    std::string line;
    size_t length = 0;  // the sentence's characters
    const auto endSentence = [&] {
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        if (length <= kPassageLimit) {
            std::string sentence;
            for (const std::string& part : lines) sentence += part;
            if (!sentence.empty()) passages.push_back(std::move(sentence));
        } else {
            // A long sentence gives its lines, without their closing marks.
            for (std::string& part : lines) {
                std::vector<std::string> characters = SplitCharacters(part);
                if (!characters.empty() && EndsLine(characters.back())) characters.pop_back();
                std::string bare;
                for (const std::string& character : characters) bare += character;
                if (!bare.empty()) passages.push_back(std::move(bare));
            }
        }
        lines.clear();
        length = 0;
    };
    for (const std::string& character : SplitCharacters(text)) {
        if (character == " " || character == "　") continue;
        line += character;
        ++length;
        if (EndsSentence(character)) {
            endSentence();
        } else if (EndsLine(character)) {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    endSentence();
    return passages;
}

std::vector<std::string> CharactersOf(std::string_view passage,
                                      const std::function<bool(const std::string&)>& take) {
    std::vector<std::string> characters;
    for (std::string& character : SplitCharacters(passage))
        if (IsHanzi(character) &&
            std::find(characters.begin(), characters.end(), character) == characters.end() &&
            take(character))
            characters.push_back(std::move(character));
    return characters;
}

std::vector<Pair> PairsOf(std::string_view passage, bool sideBySide,
                          const std::function<bool(const std::string&)>& take) {
    struct Place {
        std::string character;
        size_t at;    // place in the passage
        size_t line;  // which line of the passage
    };
    std::vector<Place> taken;
    size_t at = 0, line = 0;
    for (std::string& character : SplitCharacters(passage)) {
        if (EndsLine(character)) {
            ++line;
        } else if (IsHanzi(character) && take(character)) {
            taken.push_back({std::move(character), at, line});
        }
        ++at;
    }
    std::vector<Pair> pairs;
    if (sideBySide) {
        for (size_t i = 0; i + 1 < taken.size(); ++i)
            if (taken[i + 1].at == taken[i].at + 1 && taken[i + 1].line == taken[i].line &&
                taken[i].character != taken[i + 1].character)
                pairs.push_back({taken[i].character, taken[i + 1].character, true});
        return pairs;
    }
    for (size_t i = 0; i < taken.size(); ++i)
        for (size_t j = i + 1; j < taken.size(); ++j)
            if (taken[j].at > taken[i].at + 1 && taken[i].character != taken[j].character)
                pairs.push_back({taken[i].character, taken[j].character, false});
    return pairs;
}

}  // namespace canon
