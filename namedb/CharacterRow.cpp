#include "namedb/CharacterRow.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace {

int At(CharacterColumn column) { return static_cast<int>(column); }

}  // namespace

const std::string& CharacterColumnName(CharacterColumn column) {
    static const std::array<std::string, static_cast<size_t>(CharacterColumn::Count)> kNames = {
        "Id",    "code", "汉字", "简体", "繁体",     "简体笔画数", "繁体笔画数", "拼音1",
        "拼音2", "声母", "韵母", "部首", "五行属性", "五笔",       "基本解释",   "详细解释"};
    return kNames[static_cast<size_t>(column)];
}

Statement PrepareCharacterQuery(SqliteDatabase& db, const std::string& character) {
    return db.Prepare("select * from NB_CNWord where 汉字=?", {SqlValue::Text(character)});
}

CharacterRow ReadCharacterRow(const Statement& statement) {
    CharacterRow row;
    auto text = [&](CharacterColumn column) { return statement.Text(At(column)); };
    auto number = [&](CharacterColumn column) { return statement.Int(At(column)); };
    row.character = text(CharacterColumn::Character);
    row.simplified = text(CharacterColumn::Simplified);
    row.traditional = text(CharacterColumn::Traditional);
    row.simplifiedStrokes = number(CharacterColumn::SimplifiedStrokes);
    row.traditionalStrokes = number(CharacterColumn::TraditionalStrokes);
    row.pinyin1 = text(CharacterColumn::Pinyin1);
    row.pinyin2 = text(CharacterColumn::Pinyin2);
    row.initial = text(CharacterColumn::Initial);
    row.finalSound = text(CharacterColumn::Final);
    row.radical = text(CharacterColumn::Radical);
    row.element = text(CharacterColumn::Element);
    row.wubi = text(CharacterColumn::Wubi);
    row.basicExplanation = text(CharacterColumn::BasicExplanation);
    row.detailedExplanation = text(CharacterColumn::DetailedExplanation);
    return row;
}

std::optional<CharacterRow> FetchCharacterRow(SqliteDatabase& db, const std::string& character) {
    Statement statement = PrepareCharacterQuery(db, character);
    if (!statement.NextOrThrow()) return std::nullopt;
    return ReadCharacterRow(statement);
}

void ForEachCharacterRow(SqliteDatabase& db, const std::string& columns, const std::string& table,
                         const std::vector<std::string>& characters,
                         const std::function<void(const Statement&)>& row) {
    std::vector<SqlValue> values;
    std::unordered_set<std::string> seen;
    for (const std::string& character : characters)
        if (seen.insert(character).second) values.push_back(SqlValue::Text(character));
    // 999 is the smallest limit an engine build has ever defaulted to.
    const size_t limit =
        static_cast<size_t>(std::max(1, db.ParameterLimit() > 0 ? db.ParameterLimit() : 999));
    for (size_t start = 0; start < values.size(); start += limit) {
        const size_t count = std::min(limit, values.size() - start);
        std::string sql = "select " + columns + " from " + table + " where 汉字 in (?";
        for (size_t i = 1; i < count; ++i) sql += ",?";
        sql += ") order by rowid";
        Statement statement = db.Prepare(
            sql,
            std::vector<SqlValue>(values.begin() + static_cast<std::ptrdiff_t>(start),
                                  values.begin() + static_cast<std::ptrdiff_t>(start + count)));
        while (statement.NextOrThrow()) row(statement);
    }
}

std::unordered_map<std::string, CharacterEssentials> FetchCharacterEssentials(
    SqliteDatabase& db, const std::vector<std::string>& characters) {
    std::unordered_map<std::string, CharacterEssentials> found;
    found.reserve(characters.size());
    ForEachCharacterRow(
        db, "汉字, 简体笔画数, 繁体笔画数, 五行属性, 拼音2", "NB_CNWord", characters,
        [&](const Statement& row) {
            // Rows come in rowid order: the first row of a character stays.
            found.try_emplace(
                row.Text(0), CharacterEssentials{row.Int(1), row.Int(2), row.Text(3), row.Text(4)});
        });
    return found;
}
