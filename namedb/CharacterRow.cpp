#include "namedb/CharacterRow.h"

#include <algorithm>
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

namespace {

// A read transaction around many look-ups, so that the engine takes its lock and checks the file
// once and not once per statement; none when the connection has one open already.
class ReadTransaction {
  public:
    explicit ReadTransaction(SqliteDatabase& db)
        : m_db(db), m_own(!db.InTransaction() && db.Begin()) {}
    ~ReadTransaction() {
        if (m_own) m_db.Commit();
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

  private:
    SqliteDatabase& m_db;
    bool m_own;
};

}  // namespace

void ForEachCharacterRow(SqliteDatabase& db, const std::string& columns, const std::string& table,
                         const std::vector<std::string>& characters,
                         const std::function<void(const Statement&)>& row) {
    // One statement looks the characters up one after the other: a list of hundreds of values
    // costs the engine more to parse, hold and sort than the look-ups themselves. In the order of
    // their codes, which is the order of the character table's rows, so that neighbours share
    // the pages read.
    std::vector<std::string> distinct = characters;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (distinct.empty()) return;
    ReadTransaction transaction(db);
    Statement statement =
        db.Prepare("select " + columns + " from " + table + " where 汉字=? order by rowid",
                   {SqlValue::Text(distinct.front())});
    for (size_t k = 0; k < distinct.size(); ++k) {
        if (k > 0) statement.Rebind({SqlValue::Text(distinct[k])});
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
