#include "generation/PoemCatalog.h"

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"

namespace poem_catalog {

std::vector<std::string> ListPoets(SqliteDatabase& db) {
    std::vector<std::string> poets;
    Statement statement = db.Prepare("select Poet from NB_Poet order by OrderId ASC");
    while (statement.NextOrThrow()) poets.push_back(statement.Text(0));
    return poets;
}

std::vector<PoemTitle> ListPoems(SqliteDatabase& db, const std::string& poet) {
    std::vector<PoemTitle> poems;
    Statement statement = db.Prepare("select Id, 标题 from NB_全唐诗 where 作者=?1 order by rowid",
                                     {SqlValue::Text(poet)});
    while (statement.NextOrThrow()) poems.push_back({statement.Int64(0), statement.Text(1)});
    return poems;
}

std::optional<Poem> FindPoem(SqliteDatabase& db, const PoemTitle& title, const std::string& poet) {
    Statement statement = db.Prepare(
        "select Id, 标题, 作者, 内容, 首字母 from NB_全唐诗 where Id=?1 and 标题=?2 and 作者=?3",
        {SqlValue::Int(title.id), SqlValue::Text(title.title), SqlValue::Text(poet)});
    if (!statement.NextOrThrow()) return std::nullopt;
    return Poem{statement.Int64(0), statement.Text(1), statement.Text(2), statement.Text(3),
                statement.Text(4)};
}

std::vector<PoemCharacter> PoemCharacters(const Poem& poem,
                                          const quality::CharacterFitnessTable& fitness,
                                          quality::ChildSex sex) {
    std::vector<PoemCharacter> characters;
    for (std::string& piece : SplitCharacters(poem.content)) {
        if (piece == "，" || piece == "。") continue;
        const bool ticked = GbkContains(poem.marks, piece) && fitness.Offers(piece, sex);
        characters.push_back({std::move(piece), ticked});
    }
    return characters;
}

}  // namespace poem_catalog
