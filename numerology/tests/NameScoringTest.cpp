#include <gtest/gtest.h>

#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/NameScoring.h"
#include "numerology/ReportPages.h"
#include "numerology/tests/NumerologyFixture.h"

using numerology_fixture::InsertNumber;
using numerology_fixture::InsertThreeTalents;

namespace {

// Characters named after their traditional stroke counts; simplified counts differ so that a
// grid computed from the wrong column shows.
const std::vector<CharacterRecord> kCharacters = {
    {"七", "", 2, 7, "", "金"},  {"九", "", 2, 9, "", "水"},  {"八", "", 2, 8, "", "金"},
    {"十", "", 2, 10, "", "水"}, {"玖", "", 8, 9, "", "金"},  {"拾", "", 9, 12, "", "金"},
    {"廿", "", 4, 22, "", "木"}, {"于", "", 3, 8, "", "土"},  {"李", "", 7, 7, "", "木"},
    {"明", "", 8, 8, "", "水"},  {"华", "", 6, 14, "", "水"},
};

struct GridCase {
    const char* surname;
    const char* givenName;
    int heaven, person, earth, total, outer;
    const char* threeTalents;
};

}  // namespace

TEST(QuickScoreTest, FormsTheGridsOfEveryNameShape) {
    const GridCase cases[] = {
        {"七", "八", 8, 15, 9, 15, 2, "金土水"},
        {"七", "八十", 8, 15, 18, 25, 11, "金土金"},
        {"七九", "八十", 16, 17, 18, 34, 17, "土金金"},
        {"七九", "八", 16, 17, 9, 24, 8, "土金水"},
        {"玖", "拾廿", 10, 21, 34, 43, 23, "水木火"},
        // A character the table lacks counts 0 strokes.
        {"七", "没", 8, 7, 1, 7, 2, "金金木"},
        {"七", "没十", 8, 7, 10, 17, 11, "金金水"},
        // Parts without a character or with more than two take the two-character rules.
        {"", "八", 0, 8, 9, 8, 1, "水金水"},
        {"七", "", 8, 7, 0, 7, 1, "金金水"},
        {"七九十", "八十九", 16, 17, 18, 34, 17, "土金金"},
    };
    CharacterTable table(kCharacters);
    RatingTables noRatings;
    NameEvaluation evaluation;
    for (const GridCase& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + "|" + c.givenName);
        EXPECT_EQ(QuickScore(c.surname, c.givenName, table, noRatings, evaluation), 0);
        EXPECT_EQ(evaluation.heavenGrid, c.heaven);
        EXPECT_EQ(evaluation.personGrid, c.person);
        EXPECT_EQ(evaluation.earthGrid, c.earth);
        EXPECT_EQ(evaluation.totalGrid, c.total);
        EXPECT_EQ(evaluation.outerGrid, c.outer);
        EXPECT_EQ(evaluation.threeTalents, c.threeTalents);
    }
}

TEST(QuickScoreTest, NothingOfTheLastNameLeaksIntoTheNext) {
    CharacterTable table(kCharacters);
    RatingTables noRatings;
    NameEvaluation evaluation;
    QuickScore("七九", "明华", table, noRatings, evaluation);
    EXPECT_EQ(evaluation.simplifiedTotal, 2 + 2 + 8 + 6);
    EXPECT_EQ(evaluation.elementText, "金水水水");

    QuickScore("李", "明", table, noRatings, evaluation);
    EXPECT_EQ(evaluation.simplifiedTotal, 7 + 8);
    EXPECT_EQ(evaluation.elementText, "木水");
    EXPECT_EQ(evaluation.surnameChars, std::vector<std::string>{"李"});
    EXPECT_EQ(evaluation.givenChars, std::vector<std::string>{"明"});
    EXPECT_EQ(evaluation.characters[kSurname2].traditionalStrokes, 0);
    EXPECT_EQ(evaluation.characters[kGiven2].simplifiedStrokes, 0);
    EXPECT_EQ(evaluation.characters[kGiven2].element, "");
}

class ScoredDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture::OpenEmptyNameDatabase(m_db);
        for (const CharacterRecord& c : kCharacters)
            ASSERT_TRUE(fixture::InsertCharacter(m_db, c.character, c.character + "T",
                                                 c.simplifiedStrokes, c.traditionalStrokes,
                                                 c.element, c.character + "py"));
    }
    SqliteDatabase m_db;
};

TEST_F(ScoredDatabaseTest, WeightsTheSixRatingsInSinglePrecision) {
    // 七 / 八十: heaven 8, person 15, earth 18, total 25, outer 11, three talents 金土金.
    const struct {
        std::array<const char*, 6> ratings;
        int score;
        const char* commentStart;
    } cases[] = {
        {{"吉", "中", "吉", "凶", "大吉", "大凶"}, 77, "你的名字可能不太理想"},
        {{"吉", "大吉", "吉", "大吉", "吉", "大吉"}, 100, "你的名字取得非常棒"},
        {{"吉", "中", "吉", "吉", "吉", "吉"}, 95, "你的名字取得非常棒"},
        {{"大凶", "大凶", "大凶", "大凶", "大凶", "大凶"}, 30, "你的名字很不好"},
        {{"", "", "", "", "", ""}, 0, "你的名字很不好"},
        {{"吉 ", "半吉", "吉", "吉", "吉", "吉"}, 65, "你的名字不太好"},
        {{"凶", "吉", "吉", "中", "吉", "吉"}, 95, "你的名字取得非常棒"},
        {{"吉", "吉", "中", "中", "凶", "大吉"}, 90, "你的名字取得非常棒"},
        {{"凶", "中", "中", "中", "吉", "凶"}, 81, "你的名字取得不错"},
    };
    for (const auto& c : cases) {
        SqliteDatabase db;
        fixture::OpenEmptyNameDatabase(db);
        for (const CharacterRecord& character : kCharacters)
            fixture::InsertCharacter(db, character.character, "", character.simplifiedStrokes,
                                     character.traditionalStrokes, character.element);
        const int grids[5] = {8, 15, 18, 25, 11};
        for (int slot = 0; slot < 5; ++slot)
            if (*c.ratings[slot]) InsertNumber(db, grids[slot], c.ratings[slot]);
        if (*c.ratings[5]) InsertThreeTalents(db, "金土金", c.ratings[5]);
        SCOPED_TRACE(c.score);

        NameEvaluation quick;
        EXPECT_EQ(
            QuickScore("七", "八十", CharacterTable(kCharacters), RatingTables::Load(db), quick),
            c.score);
        for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(quick.ratings[slot], c.ratings[slot]);

        NameEvaluation detailed;
        EXPECT_EQ(EvaluateInDetail(db, "七", "八十", detailed), c.score);
        EXPECT_EQ(detailed.score, quick.score);
        EXPECT_EQ(detailed.comment.rfind(c.commentStart, 0), 0u) << detailed.comment;
    }
}

TEST_F(ScoredDatabaseTest, DetailedEvaluationCountsYuByItsSimplifiedStrokes) {
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "于", "明", evaluation);
    EXPECT_EQ(evaluation.characters[kSurname1].traditionalStrokes, 3);
    EXPECT_EQ(evaluation.heavenGrid, 4);
    EXPECT_EQ(evaluation.personGrid, 11);

    // Only the single-character surname 于 is counted so; the generator's table is used as is.
    EvaluateInDetail(m_db, "于李", "明", evaluation);
    EXPECT_EQ(evaluation.heavenGrid, 15);
    QuickScore("于", "明", CharacterTable(kCharacters), RatingTables(), evaluation);
    EXPECT_EQ(evaluation.heavenGrid, 9);
}

TEST_F(ScoredDatabaseTest, DetailedEvaluationFillsEveryCharacterAndClearsTheRest) {
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "七九", "明华", evaluation);
    EXPECT_EQ(evaluation.simplifiedTotal, 18);
    EXPECT_EQ(evaluation.characters[kGiven2].pinyin, "华py");

    EvaluateInDetail(m_db, "李", "明", evaluation);
    EXPECT_EQ(evaluation.simplifiedTotal, 15);
    EXPECT_EQ(evaluation.characters[kSurname1].traditionalForm, "李T");
    EXPECT_EQ(evaluation.characters[kGiven1].pinyin, "明py");
    for (NamePosition absent : {kSurname2, kGiven2}) {
        EXPECT_EQ(evaluation.characters[absent].simplifiedStrokes, 0);
        EXPECT_EQ(evaluation.characters[absent].pinyin, "");
        EXPECT_EQ(evaluation.characters[absent].traditionalForm, "");
    }
}

TEST_F(ScoredDatabaseTest, DetailedEvaluationGathersTheExplanations) {
    InsertNumber(m_db, 8, "吉");
    std::vector<SqlValue> nine = {SqlValue::Int(9)};
    for (int column = 1; column <= 8; ++column) nine.push_back(SqlValue::Text(""));
    nine.push_back(SqlValue::Text("晐|晐"));
    ASSERT_TRUE(fixture::InsertRow(m_db, "NB_八一灵动数", nine));
    InsertThreeTalents(m_db, "金土水", "中");
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "七", "八", evaluation);  // heaven 8, person 15, earth 9

    const GridExplanation& heaven = evaluation.grids[kHeavenGrid];
    EXPECT_EQ(heaven.element, "金");
    EXPECT_EQ(heaven.rating, "吉");
    EXPECT_EQ(heaven.summary, "一8(三8)");
    EXPECT_EQ(heaven.detail, "二8<BR>基业:业8<BR>家庭:家8<BR>健康:康8<BR>含义:义8");
    EXPECT_EQ(heaven.hints, "甲8<BR>乙8");

    // The "|" inside 晐 (95 7C) is half of a character, not a separator.
    EXPECT_EQ(evaluation.grids[kEarthGrid].hints, "晐<BR>晐");

    const GridExplanation& person = evaluation.grids[kPersonGrid];
    EXPECT_EQ(person.element, "土");
    EXPECT_EQ(person.rating, "");
    EXPECT_EQ(person.summary, "()");

    const ThreeTalentExplanation& talents = evaluation.talents;
    EXPECT_EQ(talents.rating, "中");
    EXPECT_EQ(talents.summary, "金土水3");
    EXPECT_EQ(talents.aspects,
              "1、总论:金土水5<BR>2、性格:金土水6<BR>3、意志:金土水7<BR>4、事业:金土水8<BR>5、家庭:"
              "金土水9<BR>6、婚姻:金土水10<BR>7、子女:金土水11<BR>8、社交:金土水12<BR>9、精神:"
              "金土水13<BR>10、财运:金土水14<BR>11、健康:金土水15<BR>12、老运:金土水16");
    EXPECT_EQ(talents.baseLuck, "金土水17");
    EXPECT_EQ(talents.successLuck, "金土水18");
    EXPECT_EQ(talents.relations, "金土水19");
    EXPECT_EQ(talents.personality, "金土水20");
    // 5 + 15 × 0.85 = 17.75
    EXPECT_FLOAT_EQ(evaluation.score, 17.75f);
}

TEST_F(ScoredDatabaseTest, HeavenGridRatingOfTheSurname) {
    InsertNumber(m_db, 8, "吉");
    InsertNumber(m_db, 16, "大吉");
    CharacterTable table(kCharacters);
    RatingTables ratings = RatingTables::Load(m_db);
    const std::pair<const char*, const char*> cases[] = {
        {"七", "吉"}, {"七九", "大吉"}, {"九", ""}, {"没", ""}};
    for (const auto& [surname, rating] : cases) {
        EXPECT_EQ(HeavenGridRating(surname, table, ratings), rating) << surname;
        EXPECT_EQ(HeavenGridRating(m_db, surname, table), rating) << surname;
    }
}

TEST_F(ScoredDatabaseTest, QuickScoreAgreesWithTheDetailedEvaluation) {
    static const char* const kRatings[] = {"大吉", "吉", "中", "凶", "大凶", "", "半吉"};
    for (int number = 1; number <= 90; ++number)
        if (number % 11 != 0) InsertNumber(m_db, number, kRatings[number % 7]);
    static const char* const kElements[] = {"木", "火", "土", "金", "水"};
    int next = 0;
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements)
                InsertThreeTalents(m_db, std::string(heaven) + person + earth,
                                   kRatings[next++ % 7]);
    CharacterTable table(kCharacters);
    RatingTables ratings = RatingTables::Load(m_db);

    // 于 is left out: only the detailed evaluation counts it by its simplified strokes.
    const std::vector<std::string> characters = {"七", "九", "八", "十", "玖", "拾",
                                                 "廿", "李", "明", "华", "没", ""};
    NameEvaluation quick;
    NameEvaluation detailed;
    EvaluateInDetail(m_db, "李", "明", quick);  // QuickScore must drop what this leaves
    // Parts without a character or with three lie outside what callers pass, but must still give
    // one defined record.
    for (const std::string& surname : {std::string("李"), std::string("七九"), std::string("没"),
                                       std::string(), std::string("七九李")})
        for (const std::string& first : characters)
            for (const std::string& rest :
                 {std::string(), std::string("华"), first, std::string("华十")}) {
                std::string given = first + rest;
                int score = QuickScore(surname, given, table, ratings, quick);
                ASSERT_EQ(score, EvaluateInDetail(m_db, surname, given, detailed))
                    << surname << given;
                EXPECT_EQ(quick.score, detailed.score);
                EXPECT_EQ(quick.ratings, detailed.ratings);
                EXPECT_EQ(quick.threeTalents, detailed.threeTalents);
                EXPECT_EQ(quick.elementText, detailed.elementText);
                EXPECT_EQ(quick.simplifiedTotal, detailed.simplifiedTotal);
                EXPECT_EQ(quick.outerGrid, detailed.outerGrid);
                EXPECT_EQ(quick.comment, "");
                EXPECT_EQ(quick.grids[kHeavenGrid].summary, "");
                EXPECT_EQ(quick.characters[kSurname1].pinyin, "");
                EXPECT_NE(FillScoreReport(detailed).find("<title>名字评分</title>"),
                          std::string::npos);
            }
}

TEST(QuickScoreTest, CutsEachNameAsSplitCharactersDoes) {
    CharacterTable table(kCharacters);
    RatingTables noRatings;
    NameEvaluation evaluation;
    // In order, so each name is cut into the pieces the one before left behind.
    const std::pair<std::string, std::string> names[] = {
        {"李", "明华"}, {"七九", "明"},  {"李", "明 华"}, {"李　", "a明"}, {"\xC0", "明\xC0"},
        {"李", "华明"}, {"七 九", "{a"}, {"", ""},        {"李", "明华"},
    };
    for (const auto& [surname, given] : names) {
        QuickScore(surname, given, table, noRatings, evaluation);
        EXPECT_EQ(evaluation.surnameChars, SplitCharacters(surname)) << surname << given;
        EXPECT_EQ(evaluation.givenChars, SplitCharacters(given)) << surname << given;
    }
}
