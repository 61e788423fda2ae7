// Both evaluations of a name on a small database: any surname and given-name bytes score
// without a crash, and the quick and detailed scores agree.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/CharacterTable.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/NameScoring.h"
#include "numerology/tests/NumerologyFixture.h"

namespace {

struct Scoring {
    Scoring() {
        fixture::OpenEmptyNameDatabase(db);
        for (const char* character : {"李", "明", "华", "欧", "阳", "于"})
            fixture::InsertCharacter(db, character, character, 7, 9, "木");
        for (int number = 1; number <= 81; ++number)
            numerology_fixture::InsertNumber(db, number, number % 3 ? "吉" : "凶");
        numerology_fixture::InsertThreeTalents(db, "木木木", "大吉");
        ratings = RatingTables::Load(db);
    }
    SqliteDatabase db;
    RatingTables ratings;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Scoring scoring;
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 2);
    const std::string& surname = parts[0];
    const std::string givenName = parts.size() > 1 ? parts[1] : "";

    NameEvaluation detailed;
    const int score = EvaluateInDetail(scoring.db, surname, givenName, detailed);

    // The table the quick score reads holds exactly what the detailed evaluation fetched.
    std::vector<CharacterRecord> records;
    for (const std::string& part : {surname, givenName})
        for (const std::string& character : SplitCharacters(part))
            records.push_back(FetchCharacter(scoring.db, character));
    NameEvaluation quick;
    const int quickScore =
        QuickScore(surname, givenName, CharacterTable(records), scoring.ratings, quick);
    // 于 alone as a surname (spaces aside) counts its simplified strokes in the detailed
    // evaluation only.
    if (detailed.surnameChars != std::vector<std::string>{"于"} && quickScore != score)
        std::abort();
    return 0;
}
