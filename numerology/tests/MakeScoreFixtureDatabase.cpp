// numerology_score_fixture_database FILE: writes a small name database for the score command's
// end-to-end tests to FILE. 李明华 scores 100 on it: heaven 8, person 15, earth 22, total 29 and
// outer 15 are rated 吉 and the three talents 金土木 大吉.
#include <cstdio>

#include "namedb/tests/FixtureDatabase.h"
#include "numerology/tests/NumerologyFixture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: numerology_score_fixture_database FILE\n");
        return 2;
    }
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    bool filled = fixture::InsertCharacter(db, "李", "李", 7, 7, "木") &&
                  fixture::InsertCharacter(db, "明", "明", 8, 8, "水") &&
                  fixture::InsertCharacter(db, "华", "華", 6, 14, "水") &&
                  numerology_fixture::InsertThreeTalents(db, "金土木", "大吉");
    for (int number : {8, 15, 22, 29})
        filled = filled && numerology_fixture::InsertNumber(db, number, "吉");
    std::string error;
    if (!filled || !db.ExecuteBound("VACUUM INTO ?", {SqlValue::Text(argv[1])}, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
