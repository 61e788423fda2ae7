#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "generation/BuiltinLists.h"
#include "generation/RunGeneration.h"
#include "generation/ShufflePool.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/RecordingObserver.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"

using namespace generation_fixture;

namespace {

constexpr std::uint64_t kSeed = 20260101;

GenerationInputs Inputs(GenerationMode mode, const std::string& surname, const std::string& sex,
                        int nameLength) {
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = surname;
    inputs.sex = sex == std::string("男") ? Sex::Male : Sex::Female;
    inputs.nameLength = nameLength;
    inputs.shuffleSeed = kSeed;
    return inputs;
}

void Generate(SqliteDatabase& db, const GenerationInputs& inputs, RecordingObserver& observer) {
    RunControl control;
    RunGeneration(inputs, observer, db, control).Execute();
}

std::vector<std::string> Names(const std::vector<ResultRow>& rows) {
    std::vector<std::string> names;
    for (const ResultRow& row : rows) names.emplace_back(row[1]);
    return names;
}

std::string GivenName(const ResultRow& row, const std::string& surname) {
    return std::string(row[1].substr(surname.size()));
}

// The male characters a 高分 run with kSeed samples, in sample order.
std::vector<std::string> SampledMaleCharacters() {
    std::vector<std::string> characters = SplitCharacters(MalePool());
    ShufflePool(characters, kSeed);
    characters.resize(400);
    return characters;
}

void ExpectFinishedOrder(const std::vector<ResultRow>& rows) {
    for (size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k][0], std::to_string(k + 1));
        if (k > 0) {
            EXPECT_GE(rows[k - 1].NumberIn(7), rows[k].NumberIn(7)) << k;
        }
    }
}

class GenerationTest : public ::testing::Test {
  protected:
    void SetUp() override { fixture::OpenEmptyNameDatabase(db); }
    SqliteDatabase db;
    RecordingObserver observer;
};

// Every number and three-talent key lucky and every pool character known: each name scores 100.
void AllLucky(SqliteDatabase& db, const std::string& poolText) {
    RateNumbers(db, 1, 120, "吉");
    RateAllThreeTalents(db, "吉");
    db.Begin();
    AddCharacters(db, SplitCharacters(poolText), 10, "木");
    db.Commit();
}

}  // namespace

TEST_F(GenerationTest, HighScoreStopsAtTenThousandRowsAndNeverListsTheSurname) {
    AllLucky(db, MalePool());
    Generate(db, Inputs(GenerationMode::HighScore, "王", "男", 2), observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::HighScore);
    ASSERT_EQ(rows.size(), 10000u);
    ExpectFinishedOrder(rows);
    for (const ResultRow& row : rows) ASSERT_FALSE(GbkContains(GivenName(row, "王"), "王"));
    EXPECT_EQ(rows[0][5], "11,20,20,30,11");
    EXPECT_EQ(observer.written(ResultList::HighScore).size(), 10000u);
    EXPECT_EQ(observer.log().front(), "started:0");
    EXPECT_EQ(observer.log().back(), "end:complete");
}

TEST_F(GenerationTest, HighScoreWithTwoCharacterSurnameKeepsTheSurnameWhole) {
    AllLucky(db, MalePool());
    Generate(db, Inputs(GenerationMode::HighScore, "欧阳", "男", 2), observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::HighScore);
    ASSERT_EQ(rows.size(), 10000u);
    for (const ResultRow& row : rows) {
        ASSERT_EQ(row[1].substr(0, 4), "欧阳");
        ASSERT_FALSE(GbkContains(GivenName(row, "欧阳"), "欧阳"));
        // Heaven is the two surname characters' strokes, found through the pool.
        ASSERT_EQ(row[5].substr(0, 3), "20,");
    }
}

// Six characters of 10 strokes and one of 4 are known; only pairs of two 10s or the 4 doubled
// reach 90 with 李, so the run finds exactly 37 names.
TEST_F(GenerationTest, HighScoreListsExactlyTheNamesFoundWithoutEmptyRows) {
    std::vector<std::string> sample = SampledMaleCharacters();
    sample.erase(std::remove(sample.begin(), sample.end(), "李"), sample.end());
    AddCharacters(db, {sample.begin(), sample.begin() + 6}, 10, "木");
    AddCharacter(db, sample[6], 4, "木");
    AddCharacter(db, "李", 7, "木");
    RateNumbers(db,
                {{5, "吉"}, {8, "吉"}, {11, "吉"}, {15, "吉"}, {17, "吉"}, {20, "吉"}, {27, "吉"}});
    RateThreeTalents(db, {{"金金水", "吉"}, {"金木金", "吉"}});
    Generate(db, Inputs(GenerationMode::HighScore, "李", "男", 2), observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::HighScore);
    ASSERT_EQ(rows.size(), 37u);
    ExpectFinishedOrder(rows);
    EXPECT_EQ(rows.back()[0], "37");
    // The fixture knows no senses, so no name says a meaning.
    EXPECT_NE(std::find(rows.begin(), rows.end(),
                        ResultRow{"37", "李" + sample[6] + sample[6], "15", "15", "木木木",
                                  "8,11,8,15,5", "金木金", "100", ""}),
              rows.end());
}

TEST_F(GenerationTest, HighScoreWithNothingAboveThresholdEndsEmptyWithoutFirstRowActions) {
    AddCharacters(db, SampledMaleCharacters(), 10, "木");
    Generate(db, Inputs(GenerationMode::HighScore, "李", "男", 2), observer);

    EXPECT_TRUE(observer.finished(ResultList::HighScore).empty());
    EXPECT_TRUE(observer.hasFinished(ResultList::HighScore));
    EXPECT_EQ(observer.indexOf("rows:"), -1);
    EXPECT_EQ(observer.log().back(), "end:complete");
}

TEST_F(GenerationTest, HighScoreWithGenerationCharacterListsEveryScore) {
    std::vector<std::string> sample = SampledMaleCharacters();
    ASSERT_EQ(std::count(sample.begin(), sample.end(), "志"), 0);  // not a pool character
    AddCharacters(db, sample, 10, "木");
    AddCharacter(db, "志", 7, "火");
    AddCharacter(db, "赵", 9, "火");
    GenerationInputs inputs = Inputs(GenerationMode::HighScore, "赵", "男", 2);
    inputs.generationCharacter = {true, true, "志", false, ""};
    Generate(db, inputs, observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::HighScore);
    ASSERT_EQ(rows.size(), 400u);  // every sampled character once, all scoring 0
    for (const ResultRow& row : rows) {
        EXPECT_EQ(row[1].substr(0, 4), "赵志");
        EXPECT_EQ(row[1].size(), 6u);
        EXPECT_EQ(row[7], "0");
        // 志 scores with its own strokes although it is no pool character.
        EXPECT_EQ(row[5].substr(0, 6), "10,16,");
        EXPECT_EQ(row[4].substr(0, 4), "火火");
    }
    const int message =
        observer.indexOf("message:设定辈份后,产生的名字较少,所以系统将显示全部名字|提示|2");
    ASSERT_GE(message, 0);
    EXPECT_LT(message, observer.indexOf("rows:"));

    // With one-character names the setting plays no part.
    RecordingObserver single;
    inputs.nameLength = 1;
    Generate(db, inputs, single);
    EXPECT_EQ(single.indexOf("message:设定辈份"), -1);
    EXPECT_EQ(single.finished(ResultList::HighScore).size(), 400u);
    for (const ResultRow& row : single.finished(ResultList::HighScore))
        EXPECT_EQ(row[1].size(), 4u);
}

// The limit of 1000 one-character names takes the whole shorter female pool.
TEST_F(GenerationTest, HighScoreOneCharacterGirlNamesUseTheWholeFemalePool) {
    AllLucky(db, FemalePool());
    AddCharacter(db, "赵", 9, "火");
    RunControl control;
    RunGeneration run(Inputs(GenerationMode::HighScore, "赵", "女", 1), observer, db, control);
    run.Execute();

    EXPECT_EQ(run.CandidateTexts().size(), 974u);
    EXPECT_EQ(observer.finished(ResultList::HighScore).size(), 973u);
    EXPECT_GE(observer.indexOf("message:一字名数理得分较低"), 0);
}

TEST_F(GenerationTest, PoemCombinesTheTickedCharactersWithoutTheSurname) {
    AddCharacter(db, "李", 7, "木");
    AddCharacter(db, "月", 4, "木");
    AddCharacter(db, "光", 6, "火");
    RateNumbers(db, {{17, "凶"}, {13, "中"}});  // the first row of a number counts
    RateNumbers(db, 1, 40, "吉");
    RateAllThreeTalents(db, "吉");
    GenerationInputs inputs = Inputs(GenerationMode::Poem, "李", "男", 2);
    inputs.tickedPoemCharacters = {"月", "光", "月"};
    Generate(db, inputs, observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::Poem);
    std::vector<std::string> names = Names(rows);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"李月月", "李月光", "李光月", "李光光"}));
    EXPECT_EQ(rows.size(), 4u);
    ExpectFinishedOrder(rows);
    EXPECT_NE(rows.front()[7], rows.back()[7]);
}

TEST_F(GenerationTest, OneCharacterNamesShowTheirMessageBeforeAnyRow) {
    AddCharacters(db, {"李", "月", "光"}, 5, "木");
    GenerationInputs inputs = Inputs(GenerationMode::Poem, "李", "男", 1);
    inputs.tickedPoemCharacters = {"月", "光"};
    Generate(db, inputs, observer);

    const int message =
        observer.indexOf("message:一字名数理得分较低,所以软件自动降低评分标准!|提示|1");
    ASSERT_GE(message, 0);
    EXPECT_LT(message, observer.indexOf("rows:"));
    std::vector<std::string> names = Names(observer.finished(ResultList::Poem));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"李月", "李光"}));
}

TEST_F(GenerationTest, CombinationKeepsOnlyChineseCharactersOfTheText) {
    AddCharacters(db, {"李", "明", "亮"}, 8, "火");
    GenerationInputs inputs = Inputs(GenerationMode::Combination, "李", "男", 2);
    inputs.combinationText = "a 明1,亮";
    RunControl control;
    RunGeneration run(inputs, observer, db, control);
    run.Execute();

    EXPECT_EQ(run.CandidateTexts(),
              (std::vector<std::string>{"明明", "明亮", "明李", "亮明", "亮亮", "亮李", "李明",
                                        "李亮", "李李"}));
    std::vector<std::string> names = Names(observer.finished(ResultList::Combination));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"李明明", "李明亮", "李亮明", "李亮亮"}));
}

// Only accepted characters open a name; any pool entry may follow one. A fixed generation
// character takes the first or the last given-name place.
TEST_F(GenerationTest, StandardCandidatesFollowAcceptanceAndTheGenerationCharacter) {
    AddCharacters(db, {"李", "明"}, 8, "火");
    fixture::InsertCharacter(db, "亮", "亮", 0, 9, "火");  // no simplified strokes
    fixture::InsertCharacter(db, "光", "光", 6, 6, "");    // no element; 鑫 is missing
    struct Case {
        GenerationCharacterSetting setting;
        std::vector<std::string> candidates;
    };
    const Case cases[] = {
        {{}, {"明明", "明亮", "明光", "明鑫", "明李", "李明", "李亮", "李光", "李鑫", "李李"}},
        {{true, true, "志", false, ""}, {"志明", "志李"}},
        {{true, false, "", true, "志"}, {"明志", "李志"}},
        // 取消 leaves the flags but clears active: the character plays no part.
        {{false, true, "志", false, ""},
         {"明明", "明亮", "明光", "明鑫", "明李", "李明", "李亮", "李光", "李鑫", "李李"}},
    };
    for (const Case& c : cases) {
        RecordingObserver recorder;
        GenerationInputs inputs = Inputs(GenerationMode::Combination, "李", "男", 2);
        inputs.combinationText = "明亮光鑫";
        inputs.generationCharacter = c.setting;
        RunControl control;
        RunGeneration run(inputs, recorder, db, control);
        run.Execute();
        EXPECT_EQ(run.CandidateTexts(), c.candidates);
    }
}

TEST_F(GenerationTest, NicknamePatterns) {
    // 月 is in both pools, 光 in the male pool only: each pet name is listed once all the same.
    AddCharacters(db, {"林", "月", "光"}, 4, "木");
    struct Case {
        NicknamePatterns patterns;
        std::multiset<std::string> names;
    };
    const Case cases[] = {
        {{true, false, false, false}, {"林月月", "林光光"}},
        {{false, true, false, false}, {"林小月", "林小光"}},
        {{false, false, true, false}, {"林月儿", "林光儿"}},
        {{false, false, false, true}, {"林阿月", "林阿光"}},
        {{true, true, false, false}, {"林月月", "林小月", "林光光", "林小光"}},
        {{false, false, false, false}, {}},
    };
    for (const Case& c : cases) {
        RecordingObserver recorder;
        GenerationInputs inputs = Inputs(GenerationMode::Nickname, "林", "男", 2);
        inputs.nicknamePatterns = c.patterns;
        Generate(db, inputs, recorder);
        std::vector<std::string> names = Names(recorder.finished(ResultList::Nickname));
        EXPECT_EQ(std::multiset<std::string>(names.begin(), names.end()), c.names);
    }
}

// Ten known female characters: four 金, three 木, two 水, one 火. The surname 赵 is unknown to the
// number table's heaven grid, so the threshold is 0 and every candidate is listed.
class SuperLuckyFilterTest : public GenerationTest {
  protected:
    void SetUp() override {
        GenerationTest::SetUp();
        std::vector<std::string> characters = SplitCharacters(FemalePool());
        const char* const elements[10] = {"金", "金", "金", "金", "木",
                                          "木", "木", "水", "水", "火"};
        for (int i = 0; i < 10; ++i) {
            AddCharacter(db, characters[static_cast<size_t>(i)], 10, elements[i]);
            elementOf[characters[static_cast<size_t>(i)]] = elements[i];
        }
        AddCharacter(db, "赵", 9, "火");
        RateNumbers(db, 11, 60, "吉");
        RateAllThreeTalents(db, "吉");
    }
    std::map<std::string, std::string> elementOf;
};

TEST_F(SuperLuckyFilterTest, FiltersByPositionAndWholeName) {
    // Each group: nullptr leaves it unchecked, a text checks it with those element boxes ticked.
    struct Case {
        const char* what;
        const char* second;
        const char* third;
        const char* must;
        const char* mustNot;
        size_t rows;
        const char* firstAllowed;
        const char* secondAllowed;
    };
    const Case cases[] = {
        {"second 金", "金", nullptr, nullptr, nullptr, 4 * 10, "金", "金木水火土"},
        {"third 水火", nullptr, "水火", nullptr, nullptr, 10 * 3, "金木水火土", "水火"},
        {"position group with no box", "", nullptr, nullptr, nullptr, 100, "金木水火土",
         "金木水火土"},
        // The surname's own 火 is not tested against mustNot.
        {"whole 金木火 not 木火", nullptr, nullptr, "金木火", "木火", 16, "金", "金"},
        {"mustNot checked empty", nullptr, nullptr, nullptr, "", 100, "金木水火土", "金木水火土"},
        {"both", "金", nullptr, "金木火", "木火", 40 + 16, "金", "金木水火土"},
        {"none", nullptr, nullptr, nullptr, nullptr, 0, "", ""},
    };
    auto group = [](const char* elements) {
        return elements ? ElementFilterGroup{true, elements} : ElementFilterGroup{};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingObserver recorder;
        GenerationInputs inputs = Inputs(GenerationMode::SuperLucky, "赵", "女", 1);
        inputs.superLuckyFilters = {group(c.second), group(c.third), group(c.must),
                                    group(c.mustNot)};
        Generate(db, inputs, recorder);
        std::vector<ResultRow> rows = recorder.finished(ResultList::SuperLucky);
        EXPECT_EQ(rows.size(), c.rows);
        for (const ResultRow& row : rows) {
            ASSERT_EQ(row[1].size(), 6u);
            EXPECT_TRUE(GbkContains(c.firstAllowed, elementOf[std::string(row[1].substr(2, 2))]))
                << row[1];
            EXPECT_TRUE(GbkContains(c.secondAllowed, elementOf[std::string(row[1].substr(4, 2))]))
                << row[1];
        }
    }
}

TEST_F(GenerationTest, SuperLuckyStopsAtOneHundredThousandRows) {
    AllLucky(db, MalePool());
    GenerationInputs inputs = Inputs(GenerationMode::SuperLucky, "王", "男", 2);
    inputs.superLuckyFilters.mustHave.checked = true;
    Generate(db, inputs, observer);

    std::vector<ResultRow> rows = observer.finished(ResultList::SuperLucky);
    ASSERT_EQ(rows.size(), 100000u);
    EXPECT_EQ(rows.back()[0], "100000");
    EXPECT_EQ(observer.log().front(), "started:1");
    EXPECT_EQ(observer.log().back(), "end:complete");
}

// The surname 赵 (9) has the heaven grid 10. Given names ending in a 10-stroke character score
// 95 + 5 x the heaven coefficient; ending in a 12-stroke character, 1.5 less (outer 13 is 中).
TEST_F(GenerationTest, SuperLuckyThresholdFollowsTheSurnameHeavenGrid) {
    std::vector<std::string> characters = SplitCharacters(MalePool());
    AddCharacters(db, {characters[0], characters[1]}, 10, "木");
    AddCharacters(db, {characters[2], characters[3]}, 12, "木");
    AddCharacter(db, "赵", 9, "火");
    RateAllThreeTalents(db, "吉");
    RateNumbers(db, 11, 12, "吉");
    RateNumbers(db, {{13, "中"}});
    RateNumbers(db, 14, 60, "吉");
    struct Case {
        const char* heavenRating;
        size_t rows;
        int lowestScore;
    };
    const Case cases[] = {{"大凶", 8, 96}, {"凶", 8, 98},    {"中", 8, 99},
                          {"吉", 8, 100},  {"大吉", 8, 100}, {"", 16, 93}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heavenRating);
        db.Execute("delete from NB_八一灵动数 where Id=10");
        if (*c.heavenRating) RateNumbers(db, 10, 10, c.heavenRating);
        RecordingObserver recorder;
        GenerationInputs inputs = Inputs(GenerationMode::SuperLucky, "赵", "男", 2);
        inputs.superLuckyFilters.mustHave.checked = true;
        Generate(db, inputs, recorder);
        std::vector<ResultRow> rows = recorder.finished(ResultList::SuperLucky);
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows.back().NumberIn(7), c.lowestScore);
    }
}

TEST_F(GenerationTest, EnglishNamesFollowTheInitialMapping) {
    fixture::InsertCharacter(db, "子", "子", 3, 3, "水", "zi", "z");
    fixture::InsertCharacter(db, "志", "志", 7, 7, "火", "zhi", "zh");
    fixture::InsertCharacter(db, "安", "安", 6, 6, "土", "an", "");
    fixture::InsertCharacter(db, "强", "强", 12, 12, "木", "qiang", "Q");
    auto name = [&](int id, const char* index, const char* index2, const char* english, int sex) {
        fixture::InsertRow(db, "NB_EName",
                           {SqlValue::Int(id), SqlValue::Text(index), SqlValue::Text(index2),
                            SqlValue::Text(english), SqlValue::Text(""), SqlValue::Int(sex),
                            SqlValue::Text(std::string(english) + "读音"), SqlValue::Text(""),
                            SqlValue::Text(""), SqlValue::Text(std::string(english) + "含义")});
    };
    name(1, "t", "th", "Thomas", 1);
    name(2, "t", "th", "Thea", 2);
    name(3, "th", "", "Theo", 1);
    name(4, "z", "zh", "Zhivago", 1);
    name(5, "z", "", "Zack", 1);
    name(6, "i", "", "Ivan", 1);
    name(7, "c", "ch", "Charles", 1);
    name(8, "", "", "Nobody", 1);  // filed under no initial: never matches an unknown character
    struct Case {
        const char* given;
        int sex;
        std::vector<std::string> names;
        int shortest = 0, longest = 0;  // 名字长度
    };
    const Case cases[] = {{"子轩", 1, {"Thomas", "Theo"}},
                          {"子轩", 1, {"Theo"}, 3, 5},
                          {"子轩", 1, {"Thomas"}, 6, 6},
                          {"子轩", 1, {}, 7, 20},
                          {"子轩", 2, {"Thea"}},
                          {"志强", 1, {"Zhivago"}},
                          {"安", 1, {"Ivan"}},
                          {"强", 1, {"Charles"}},
                          {"", 1, {}},
                          {"未知", 1, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        RecordingObserver recorder;
        GenerationInputs inputs = Inputs(GenerationMode::English, "李", "男", 2);
        inputs.englishGivenName = c.given;
        inputs.englishSex = c.sex;
        inputs.englishShortest = c.shortest;
        inputs.englishLongest = c.longest;
        Generate(db, inputs, recorder);
        std::vector<ResultRow> rows = recorder.finished(ResultList::English);
        ASSERT_EQ(rows.size(), c.names.size());
        for (size_t k = 0; k < rows.size(); ++k)
            EXPECT_EQ(rows[k], (ResultRow{std::to_string(k + 1), c.names[k], c.names[k] + "读音",
                                          c.names[k] + "含义"}));
    }
}

TEST_F(GenerationTest, ClassicTextListsTheWholeListShuffled) {
    struct Case {
        const char* sex;
        int length;
        size_t entries;
        size_t perLine;
        std::string gap;
    };
    const Case cases[] = {{"男", 2, 2910, 14, "  "},
                          {"女", 2, 2134, 14, "  "},
                          {"男", 1, 841, 16, "   "},
                          {"女", 1, 294, 16, "   "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sex) + std::to_string(c.length));
        RecordingObserver recorder;
        Generate(db, Inputs(GenerationMode::Classic, "李", c.sex, c.length), recorder);
        const std::string text = recorder.classicText();
        const size_t entrySize = 2 + 2 * static_cast<size_t>(c.length) + c.gap.size();
        size_t count = 0;
        size_t position = 0;
        while (position < text.size()) {
            ASSERT_EQ(text.compare(position, 2, "李"), 0) << position;
            position += entrySize;
            ++count;
            ASSERT_EQ(text.compare(position - c.gap.size(), c.gap.size(), c.gap), 0);
            if (count % c.perLine == 0) {
                ASSERT_EQ(text.compare(position, 4, "\r\n\r\n"), 0);
                position += 4;
            }
        }
        EXPECT_EQ(count, c.entries);
    }
    RecordingObserver again;
    GenerationInputs inputs = Inputs(GenerationMode::Classic, "李", "男", 2);
    inputs.shuffleSeed = kSeed + 1;
    Generate(db, inputs, again);
    RecordingObserver first;
    Generate(db, Inputs(GenerationMode::Classic, "李", "男", 2), first);
    EXPECT_NE(again.classicText(), first.classicText());
    EXPECT_EQ(again.classicText().size(), first.classicText().size());
}

TEST_F(GenerationTest, EmptySurnameIsReportedAndListsNothing) {
    AllLucky(db, "月光");
    GenerationInputs inputs = Inputs(GenerationMode::Combination, "", "男", 2);
    inputs.combinationText = "月光";
    Generate(db, inputs, observer);
    EXPECT_TRUE(observer.logged("message:请输入姓氏|提示|0"));
    EXPECT_TRUE(observer.finished(ResultList::Combination).empty());
    EXPECT_EQ(observer.log().front(), "started:3");
}
