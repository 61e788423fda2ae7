#include <gtest/gtest.h>

#include <set>

#include "generation/BuiltinLists.h"
#include "generation/ClassicText.h"
#include "generation/FinishResultList.h"
#include "generation/KeepGb2312Hanzi.h"
#include "generation/PoemCatalog.h"
#include "generation/RememberedNamingInputs.h"
#include "generation/ShufflePool.h"
#include "namedb/SqliteDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "text/Gbk.h"

namespace {

size_t Distinct(const std::vector<std::string>& entries) {
    return std::set<std::string>(entries.begin(), entries.end()).size();
}

}  // namespace

TEST(BuiltinListsTest, SizesAndOpeningsAreFixed) {
    struct Case {
        std::vector<std::string> entries;
        size_t count, distinct;
        std::string opening;
        size_t entryBytes;
    };
    auto opening = [](const std::vector<std::string>& entries, size_t n, const char* separator) {
        std::string text;
        for (size_t i = 0; i < n; ++i) text += entries[i] + separator;
        return text;
    };
    const std::vector<std::string> male = SplitCharacters(MalePool());
    const std::vector<std::string> female = SplitCharacters(FemalePool());
    const std::vector<std::string> neutral = SplitCharacters(NeutralPool());
    EXPECT_EQ(male.size(), 1854u);
    EXPECT_EQ(Distinct(male), 1854u);
    EXPECT_EQ(female.size(), 973u);
    EXPECT_EQ(Distinct(female), 973u);
    EXPECT_EQ(neutral.size(), 2827u);
    EXPECT_EQ(Distinct(neutral), 2124u);
    EXPECT_EQ(opening(male, 5, ""), "湛子会奥电");
    EXPECT_EQ(opening(female, 5, ""), "筠柔竹霭凝");

    const Case cases[] = {
        {ClassicListEntries(Sex::Male, 2), 2910, 2878, "博涛,鑫磊,靖琪,越泽,浩南,", 4},
        {ClassicListEntries(Sex::Female, 2), 2134, 2091, "梦璐,熙雯,莉姿,煜婷,丹华,", 4},
        {ClassicListEntries(Sex::Male, 1), 841, 841, "安,岸,昂,翱,傲,", 2},
        {ClassicListEntries(Sex::Female, 1), 294, 294, "安,傲,白,柏,碧,", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.entries.size(), c.count);
        EXPECT_EQ(Distinct(c.entries), c.distinct);
        EXPECT_EQ(opening(c.entries, 5, ","), c.opening);
        for (const std::string& entry : c.entries) {
            ASSERT_EQ(entry.size(), c.entryBytes);
            // Every byte pair is an ordinary GBK character that survives the round trip.
            ASSERT_EQ(text::Utf8ToGbk(text::GbkToUtf8(entry)), entry);
            ASSERT_GE(static_cast<unsigned char>(entry[0]), 0x81);
        }
    }
    EXPECT_EQ(ClassicListText(Sex::Male, 2).back(), ',');
}

// Parents of a boy must not be offered the names most given to girls.
TEST(BuiltinListsTest, BoysClassicListHoldsNoPopularGirlsName) {
    const std::vector<std::string> boys = ClassicListEntries(Sex::Male, 2);
    const std::set<std::string> listed(boys.begin(), boys.end());
    for (const char* girlsName : {"雨涵", "梓涵", "思涵", "雨熙", "梓琪", "子琪", "嘉琪", "安琪",
                                  "思琪", "文琪", "佳琪", "梦瑶", "欣怡", "诗涵"})
        EXPECT_EQ(listed.count(girlsName), 0u) << text::GbkToUtf8(girlsName);
}

TEST(ShufflePoolTest, PermutesReproduciblyAndReachesEveryOrder) {
    std::vector<std::string> one = {"月"};
    ShufflePool(one, 7);
    EXPECT_EQ(one, std::vector<std::string>{"月"});

    std::set<std::vector<std::string>> orders;
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        std::vector<std::string> two = {"a", "b"};
        ShufflePool(two, seed);
        orders.insert(two);
    }
    EXPECT_EQ(orders.size(), 2u);

    std::vector<std::string> pool = SplitCharacters(MalePool());
    std::vector<std::string> first = pool, second = pool;
    ShufflePool(first, 42);
    ShufflePool(second, 42);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, pool);
    std::sort(first.begin(), first.end());
    std::sort(pool.begin(), pool.end());
    EXPECT_EQ(first, pool);
}

TEST(KeepGb2312HanziTest, KeepsOnlyTheChineseRowsOfGb2312) {
    const std::pair<std::string, std::string> cases[] = {
        {"a 明1,亮", "明亮"},
        {"明　亮", "明亮"},      // full-width space
        {"明，亮。？", "明亮"},  // full-width punctuation
        {"明亮", "明亮"},
        {text::Gbk(u8"明\u4E02亮"), "明亮"},  // 丂 is GBK but not GB 2312
        {"", ""},
        {"明\xB0", "明"},  // a lone lead byte at the end
    };
    for (const auto& [input, kept] : cases) EXPECT_EQ(KeepGb2312Hanzi(input), kept) << input;
}

TEST(ClassicTextTest, LaysOutLinesOfFourteenOrSixteen) {
    std::vector<std::string> entries(15, "XY");
    std::string expected;
    for (int i = 1; i <= 15; ++i) expected += std::string("李XY  ") + (i == 14 ? "\r\n\r\n" : "");
    EXPECT_EQ(BuildClassicText("李", entries, 2), expected);

    std::vector<std::string> single(16, "Z");
    std::string line;
    for (int i = 0; i < 16; ++i) line += "Z   ";
    EXPECT_EQ(BuildClassicText("", single, 1), line + "\r\n\r\n");
}

TEST(FinishResultListTest, SortsStablyByScoreAndRenumbers) {
    std::vector<ResultRow> rows = {{"1", "a", "", "", "", "", "", "90"},
                                   {"2", "b", "", "", "", "", "", "95"},
                                   {"3", "c", "", "", "", "", "", "90"},
                                   {"4", "d", "", "", "", "", "", "100"},
                                   {"5", "e", "", "", "", "", "", "95"}};
    FinishResultList(rows);
    std::vector<std::string> order;
    for (const ResultRow& row : rows) order.push_back(std::string(row[0]).append(row[1]));
    EXPECT_EQ(order, (std::vector<std::string>{"1d", "2b", "3e", "4a", "5c"}));
}

// 开始起名 in the 高分 and 超吉 modes reuses the earlier list only for the very same question.
TEST(RememberedNamingInputsTest, AnyChangeOfTheQuestionStartsANewRun) {
    GenerationInputs base;
    base.surname = "李";
    base.sex = Sex::Male;
    base.nameLength = 2;
    RememberedNamingInputs remembered;
    EXPECT_TRUE(remembered.ChangedAndRemember(base));
    EXPECT_FALSE(remembered.ChangedAndRemember(base));

    GenerationInputs changed[4] = {base, base, base, base};
    changed[0].surname = "王";
    changed[1].sex = Sex::Female;
    changed[2].nameLength = 1;
    changed[3].generationCharacter = {true, true, "志", false, ""};
    for (const GenerationInputs& inputs : changed) {
        EXPECT_TRUE(remembered.ChangedAndRemember(inputs));
        EXPECT_FALSE(remembered.ChangedAndRemember(inputs));
        EXPECT_TRUE(remembered.ChangedAndRemember(base));
    }
}

// A poem's suggested characters arrive ticked only where they are fit for a name for the child's
// sex: the unfit characters and those leaning to the other sex stay unticked, as do characters
// the poem does not suggest.
TEST(PoemCharactersTest, TicksOnlySuggestedCharactersFitForAName) {
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    ASSERT_TRUE(fixture::AddPackedList(db, "用字判定", "逝不宜\t川男\t水女\t"));
    const poem_catalog::Poem poem{1, "登楼", "某", "逝者如斯川，山高水长。", "逝川山水"};
    const auto fitness = quality::CharacterFitnessTable::Load(db);
    // A character leaning to one sex is ticked for that sex only.
    for (const auto& [sex, expected] :
         {std::pair{quality::ChildSex::Boy, "川山"}, std::pair{quality::ChildSex::Girl, "山水"}}) {
        std::string ticked;
        for (const poem_catalog::PoemCharacter& character :
             poem_catalog::PoemCharacters(poem, fitness, sex))
            if (character.ticked) ticked += character.character;
        EXPECT_EQ(ticked, expected);
    }
}
