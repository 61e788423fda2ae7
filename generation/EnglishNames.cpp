#include "generation/EnglishNames.h"

#include "namedb/CharacterRow.h"
#include "namedb/SqliteDatabase.h"

namespace {

// Column positions of NB_EName in "select *" results.
constexpr int kIndex = 1;
constexpr int kIndex2 = 2;
constexpr int kName = 3;
constexpr int kSex = 5;
constexpr int kChineseReading = 6;
constexpr int kMeaning = 9;

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The first character of a GBK text: two bytes when the first byte opens one.
std::string FirstCharacter(const std::string& text) {
    if (text.empty()) return "";
    const size_t length = static_cast<unsigned char>(text[0]) >= 128 ? 2 : 1;
    return text.substr(0, length);
}

}  // namespace

std::string LookupChineseInitial(SqliteDatabase& database, const std::string& character) {
    const CharacterRow row = FetchCharacterRow(database, character).value_or(CharacterRow());
    std::string initial = AsciiLower(row.initial);
    if (initial.empty()) initial = FirstCharacter(row.pinyin1);
    return initial;
}

std::string EnglishInitial(const std::string& chineseInitial) {
    static const struct {
        const char* chinese;
        const char* english;
    } kMapping[] = {{"a", "i"},  {"c", "s"},  {"j", "g"}, {"k", "ch"}, {"o", "a"},
                    {"q", "ch"}, {"x", "sh"}, {"y", "e"}, {"z", "th"}};
    for (const auto& entry : kMapping)
        if (chineseInitial == entry.chinese) return entry.english;
    return chineseInitial;
}

std::vector<ResultRow> ListEnglishNames(SqliteDatabase& database, const std::string& initial,
                                        int sex) {
    std::vector<ResultRow> rows;
    // A character the dictionary lacks has no syllable, and no name may be filed under nothing.
    if (initial.empty()) return rows;
    Statement row = database.Prepare("select * from NB_EName");
    while (row.NextOrThrow()) {
        std::string key = row.Text(kIndex2);
        if (key.empty()) key = row.Text(kIndex);
        if (key != initial || row.Int(kSex) != sex) continue;
        rows.push_back({std::to_string(rows.size() + 1), row.Text(kName), row.Text(kChineseReading),
                        row.Text(kMeaning)});
    }
    return rows;
}
