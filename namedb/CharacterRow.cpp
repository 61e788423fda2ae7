#include "namedb/CharacterRow.h"

#include <array>

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
