#include "generation/tests/GenerationFixture.h"

#include <set>
#include <stdexcept>

#include "generation/BuiltinLists.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"

namespace generation_fixture {

namespace {

const char* const kElements[5] = {"金", "木", "水", "火", "土"};

void Insert(SqliteDatabase& db, const std::string& table, const std::vector<SqlValue>& values) {
    if (!fixture::InsertRow(db, table, values))
        throw std::runtime_error("fixture row of " + table + ": " + db.ErrorMessage());
}

}  // namespace

void RateNumbers(SqliteDatabase& db, int from, int to, const std::string& rating) {
    for (int number = from; number <= to; ++number)
        Insert(db, "NB_八一灵动数", {SqlValue::Int(number), SqlValue::Text(rating)});
}

void RateNumbers(SqliteDatabase& db, const std::map<int, std::string>& ratings) {
    for (const auto& [number, rating] : ratings)
        Insert(db, "NB_八一灵动数", {SqlValue::Int(number), SqlValue::Text(rating)});
}

void RateThreeTalents(SqliteDatabase& db, const std::map<std::string, std::string>& ratings) {
    static int id = 1;
    for (const auto& [key, rating] : ratings)
        Insert(db, "NB_三才配置",
               {SqlValue::Int(id++), SqlValue::Text(key), SqlValue::Text(rating)});
}

void RateAllThreeTalents(SqliteDatabase& db, const std::string& rating) {
    std::map<std::string, std::string> ratings;
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements)
                ratings[std::string(heaven) + person + earth] = rating;
    RateThreeTalents(db, ratings);
}

void AddCharacter(SqliteDatabase& db, const std::string& character, int strokes,
                  const std::string& element) {
    if (!fixture::InsertCharacter(db, character, character, strokes, strokes, element))
        throw std::runtime_error("fixture character: " + db.ErrorMessage());
}

void AddCharacters(SqliteDatabase& db, const std::vector<std::string>& characters, int strokes,
                   const std::string& element) {
    for (const std::string& character : characters) AddCharacter(db, character, strokes, element);
}

void BuildFullPoolDatabase(SqliteDatabase& db) {
    fixture::OpenEmptyNameDatabase(db);
    std::set<std::string> characters;
    std::string all = NeutralPool() + "李王张刘陈杨赵黄周吴欧阳司马诸葛";
    for (Sex sex : {Sex::Male, Sex::Female})
        for (int length : {1, 2}) all += ClassicListText(sex, length);
    for (const std::string& piece : SplitCharacters(all))
        if (piece.size() == 2) characters.insert(piece);

    db.Begin();
    for (const std::string& character : characters) {
        const unsigned code = static_cast<unsigned char>(character[0]) * 256u +
                              static_cast<unsigned char>(character[1]);
        const unsigned mixed = code * 2654435761u;
        AddCharacter(db, character, 1 + static_cast<int>((mixed >> 8) % 24),
                     kElements[(mixed >> 16) % 5]);
    }
    // The traditional pattern of the 81 numbers: these are lucky, the rest mostly not.
    const std::set<int> lucky = {1,  3,  5,  6,  7,  8,  11, 13, 15, 16, 17, 18,
                                 21, 23, 24, 25, 29, 31, 32, 33, 35, 37, 39, 41,
                                 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
    const std::set<int> middling = {27, 38, 42, 51, 55, 58, 71, 73, 77, 78};
    for (int number = 1; number <= 81; ++number) {
        const char* rating = lucky.count(number)      ? (number % 4 == 1 ? "大吉" : "吉")
                             : middling.count(number) ? "中"
                             : number % 3 == 0        ? "大凶"
                                                      : "凶";
        RateNumbers(db, number, number, rating);
    }
    std::map<std::string, std::string> talents;
    const char* const kTalentRatings[] = {"大吉", "吉", "吉", "中", "凶", "大吉", "吉"};
    int k = 0;
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements)
                talents[std::string(heaven) + person + earth] = kTalentRatings[k++ % 7];
    RateThreeTalents(db, talents);
    db.Commit();
    db.Execute("CREATE INDEX NewIndex1 on NB_CNWord(汉字 ASC)");
    db.Execute("CREATE INDEX NumberIndex on NB_八一灵动数(Id ASC)");
    db.Execute("CREATE INDEX ThreeTalentIndex on NB_三才配置(三才 ASC)");
}

}  // namespace generation_fixture
