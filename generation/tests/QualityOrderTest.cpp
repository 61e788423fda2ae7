#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include "generation/QualityOrder.h"
#include "generation/RunGeneration.h"
#include "generation/tests/RecordingObserver.h"
#include "namedb/LoadNameDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "quality/NameQuality.h"

namespace {

ResultRow Row(const std::string& name, int score) {
    return {"", name, "", "", "", "", "", std::to_string(score)};
}

std::vector<std::string> Names(const std::vector<ResultRow>& rows) {
    std::vector<std::string> names;
    for (const ResultRow& row : rows) names.emplace_back(row[1]);
    return names;
}

// Within a score, the names without findings first, each group in the order found; scores stay
// in order. A character unfit for a name (蚊) is a finding like a rare one.
TEST(OrderByNameQualityTest, PutsNamesWithoutFindingsFirstWithinEachScore) {
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    ASSERT_TRUE(
        db.Execute("create table NB_字级 (Id Integer(10), 汉字 VarChar(2), 级别 Integer(10))"));
    const struct {
        const char* character;
        const char* reading;
        int level;
    } characters[] = {{"李", "lǐ", 1},   {"明", "míng", 1}, {"华", "huá", 1},  {"月", "yuè", 1},
                      {"静", "jìng", 1}, {"勐", "měng", 2}, {"渗", "shèn", 1}, {"子", "zǐ", 1},
                      {"腾", "téng", 1}, {"蚊", "wén", 1}};
    ASSERT_TRUE(fixture::AddPackedList(db, "不宜字", "蚊\t属昆虫名称\n"));
    int id = 0;
    for (const auto& c : characters) {
        ++id;
        ASSERT_TRUE(fixture::InsertRow(
            db, "NB_CNWord",
            {SqlValue::Int(id), SqlValue::Int(0), SqlValue::Text(c.character),
             SqlValue::Text(c.character), SqlValue::Text(c.character), SqlValue::Int(5),
             SqlValue::Int(5), SqlValue::Text(""), SqlValue::Text(c.reading)}));
        ASSERT_TRUE(db.ExecuteBound(
            "insert into NB_字级 values (?, ?, ?)",
            {SqlValue::Int(id), SqlValue::Text(c.character), SqlValue::Int(c.level)}));
    }
    std::vector<ResultRow> rows = {Row("李明蚊", 100), Row("李勐渗", 100), Row("李静月", 95),
                                   Row("李明华", 100), Row("李华月", 90),  Row("李明月", 95),
                                   Row("李子腾", 100)};
    quality::NameQualityChecker checker(db, "李");
    OrderByNameQuality(rows, "李", checker);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"李明华", "李子腾", "李明蚊", "李勐渗",
                                                     "李明月", "李静月", "李华月"}));

    // 只用常用字 keeps level-1 characters fit for a name, in their order.
    std::vector<std::string> pool = {"明", "蚊", "勐", "月"};
    KeepCommonCharacters(pool, checker);
    EXPECT_EQ(pool, (std::vector<std::string>{"明", "月"}));
}

// Within a score, names a parent gives, then names with a plain character, then names with
// findings, each group in the order found.
TEST(OrderByNameQualityTest, PlainNamesComeBeforeFindingsAndAfterTheOthers) {
    std::vector<ResultRow> rows = {Row("李笔", 100), Row("李蚊", 100), Row("李明", 100),
                                   Row("李灯", 95),  Row("李月", 95),  Row("李华", 100)};
    OrderByTier(rows, {NameTier::Plain, NameTier::WithFindings, NameTier::Given, NameTier::Plain,
                       NameTier::Given, NameTier::Given});
    EXPECT_EQ(Names(rows),
              (std::vector<std::string>{"李明", "李华", "李笔", "李蚊", "李月", "李灯"}));
}

// The real name database, copied into memory as the program does; its levels decide the pools.
class HighScoreOnTheNameDatabase : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const char* source = std::getenv("BABYNAME_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        const auto file = std::filesystem::path(source) / "data" / "namedata.db";
        struct Sink : LoadFailureSink {
            void ShowLoadFailure(const std::string& text) override { ADD_FAILURE() << text; }
        } sink;
        db = new SqliteDatabase;
        ASSERT_TRUE(LoadNameDatabase(*db, file, sink)) << file;
        Statement levels = db->Prepare("select count(*) from NB_字级 where 级别=1");
        ASSERT_TRUE(levels.Next()) << "the name database has no level table; rebuild it";
        ASSERT_EQ(levels.Int(0), 3500);
    }
    static void TearDownTestSuite() {
        delete db;
        db = nullptr;
    }

    static std::vector<ResultRow> Run(bool commonOnly, RecordingObserver& observer) {
        GenerationInputs inputs;
        inputs.mode = GenerationMode::HighScore;
        inputs.surname = "李";
        inputs.sex = Sex::Male;
        inputs.nameLength = 2;
        inputs.shuffleSeed = 20260101;
        inputs.commonOnly = commonOnly;
        RunControl control;
        RunGeneration(inputs, observer, *db, control).Execute();
        return observer.finished(ResultList::HighScore);
    }

    static inline SqliteDatabase* db = nullptr;
};

TEST_F(HighScoreOnTheNameDatabase, CommonOnlyListsLevelOneCharactersAndStillFillsTheList) {
    RecordingObserver observer;
    const std::vector<ResultRow> rows = Run(true, observer);
    ASSERT_EQ(rows.size(), 10000u);
    quality::NameQualityChecker checker(*db, "李");
    for (const ResultRow& row : rows) {
        EXPECT_GE(row.NumberIn(7), 90) << row[1];
        for (const std::string& character : SplitCharacters(row[1].substr(2))) {
            ASSERT_EQ(checker.Character(character).level, 1) << row[1];
            ASSERT_FALSE(checker.Character(character).IsUnfit()) << row[1];
        }
    }
}

// Without the check box the run finds the same names with the same scores as a run always did
// (the rows in the order found); only names of one score change places, findings last.
TEST_F(HighScoreOnTheNameDatabase, WithoutCommonOnlyOnlyEqualScoresChangePlaces) {
    RecordingObserver observer;
    const std::vector<ResultRow> rows = Run(false, observer);
    ASSERT_EQ(rows.size(), 10000u);
    std::multiset<std::pair<std::string, std::string>> found, listed;
    for (const ResultRow& row : observer.written(ResultList::HighScore))
        found.emplace(row[1], row[7]);
    for (const ResultRow& row : rows) listed.emplace(row[1], row[7]);
    EXPECT_EQ(listed, found);

    quality::NameQualityChecker checker(*db, "李");
    size_t rareCharacters = 0, unfitCharacters = 0;
    for (size_t k = 0; k < rows.size(); ++k) {
        ASSERT_EQ(rows[k][0], std::to_string(k + 1));
        if (k == 0) continue;
        const long long before = rows[k - 1].NumberIn(7);
        const long long score = rows[k].NumberIn(7);
        ASSERT_GE(before, score) << k;
        const std::string given(rows[k][1].substr(2));
        const bool findings = checker.HasFindings(given);
        if (before == score && !findings) {
            ASSERT_FALSE(checker.HasFindings(std::string(rows[k - 1][1].substr(2)))) << rows[k][1];
        }
        rareCharacters += checker.Evaluate(given).HasRareCharacter();
        unfitCharacters += checker.Evaluate(given).HasUnfitCharacter();
    }
    // The pool still holds characters that older systems may not print; none unfit for a name.
    EXPECT_GT(rareCharacters, 0u);
    EXPECT_EQ(unfitCharacters, 0u);
}

}  // namespace

// The window's copy of the database reads the sources of the classics in place, in the file it
// keeps attached: a name's report cites 诗经 and its list says what the name means.
TEST_F(HighScoreOnTheNameDatabase, TheLoadedCopyCitesTheClassicsAndKnowsTheSenses) {
    const quality::NameQuality quality = quality::EvaluateNameQuality(*db, "王", "静姝");
    EXPECT_EQ(quality.poem.collection, "诗经");
    EXPECT_EQ(quality.poem.title, "邶风·静女");
    EXPECT_FALSE(quality.sense.empty());
    RecordingObserver observer;
    const std::vector<ResultRow> rows = Run(false, observer);
    ASSERT_FALSE(rows.empty());
    EXPECT_FALSE(rows.front()[8].empty()) << rows.front()[1];
}
