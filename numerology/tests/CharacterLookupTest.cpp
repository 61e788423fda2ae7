#include <gtest/gtest.h>

#include <memory>

#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"
#include "numerology/RatingTables.h"
#include "numerology/tests/NumerologyFixture.h"

using numerology_fixture::InsertNumber;
using numerology_fixture::InsertThreeTalents;

TEST(SplitCharactersTest, CutsCharactersAndDropsSpaces) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"李明", {"李", "明"}},
        {"李 明", {"李", "明"}},
        {"李　明", {"李", "明"}},
        {" 李　 明 ", {"李", "明"}},
        {"", {}},
        {"  　　 ", {}},
        {"a李b", {"a", "李", "b"}},
        {"{a", {"{a"}},
        {"Z9", {"Z", "9"}},
        // A trail byte A1 followed by a lead byte A1 is not a full-width space.
        {"啊、", {"啊", "、"}},
        {"李\xC0", {"李"}},
        // Half-width spaces go before full-width ones are looked for.
        {"李\xA1 \xA1明", {"李", "明"}},
        {"\xC0 \xEE", {"\xC0\xEE"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCharacters(c.text), c.pieces) << c.text;
}

TEST(SplitCharactersTest, LoneLeadByteIsNotReadPastTheEnd) {
    // Exactly sized heap buffers, so the sanitizer sees any read beyond them.
    for (std::string text : {"\xC0", "a\xC0", "a \xC0  "}) {
        auto buffer = std::make_unique<char[]>(text.size());
        std::copy(text.begin(), text.end(), buffer.get());
        EXPECT_EQ(SplitCharacters(std::string_view(buffer.get(), text.size())),
                  (text[0] == 'a' ? std::vector<std::string>{"a"} : std::vector<std::string>{}));
    }
}

TEST(SplitCharactersTest, IntoReusesTheCallersVector) {
    std::vector<std::string> pieces = {"x", "y", "z"};
    SplitCharactersInto("李明", pieces);
    EXPECT_EQ(pieces, (std::vector<std::string>{"李", "明"}));
}

TEST(ElementOfNumberTest, MapsTheLastDigit) {
    const std::pair<int, std::string> cases[] = {{1, "木"},  {2, "木"},  {11, "木"}, {3, "火"},
                                                 {14, "火"}, {45, "土"}, {6, "土"},  {7, "金"},
                                                 {28, "金"}, {9, "水"},  {10, "水"}, {20, "水"},
                                                 {0, "水"},  {-3, ""},   {-10, "水"}};
    for (const auto& [number, element] : cases)
        EXPECT_EQ(ElementOfNumber(number), element) << number;
}

class DatabaseLookupTest : public ::testing::Test {
  protected:
    void SetUp() override { fixture::OpenEmptyNameDatabase(m_db); }
    SqliteDatabase m_db;
};

TEST_F(DatabaseLookupTest, FetchCharacterAcceptsOnlyRowsWithElementAndSimplifiedStrokes) {
    ASSERT_TRUE(fixture::InsertCharacter(m_db, "李", "李", 7, 7, "木", "lǐ"));
    ASSERT_TRUE(fixture::InsertCharacter(m_db, "于", "於", 3, 8, "土", "yú"));
    ASSERT_TRUE(fixture::InsertCharacter(m_db, "无", "無", 0, 12, "水"));
    ASSERT_TRUE(fixture::InsertCharacter(m_db, "缺", "缺", 10, 10, ""));

    CharacterRecord yu = FetchCharacter(m_db, "于");
    EXPECT_EQ(yu.character, "于");
    EXPECT_EQ(yu.traditionalForm, "於");
    EXPECT_EQ(yu.simplifiedStrokes, 3);
    EXPECT_EQ(yu.traditionalStrokes, 8);
    EXPECT_EQ(yu.element, "土");
    EXPECT_EQ(yu.pinyin, "yú");

    for (std::string rejected : {"无", "缺", "没", "\"", "李\" or \"1\"=\"1"}) {
        CharacterRecord record = FetchCharacter(m_db, rejected);
        EXPECT_EQ(record.character, rejected);
        EXPECT_EQ(record.simplifiedStrokes, 0) << rejected;
        EXPECT_EQ(record.traditionalStrokes, 0) << rejected;
        EXPECT_EQ(record.element, "");
        EXPECT_EQ(record.pinyin, "");
        EXPECT_EQ(record.traditionalForm, "");
    }
}

TEST_F(DatabaseLookupTest, LookupNumberReadsTheRowOfThatIdOnly) {
    ASSERT_TRUE(InsertNumber(m_db, 2, "凶"));
    ASSERT_TRUE(InsertNumber(m_db, 81, "大吉"));

    NumberRecord two = LookupNumber(m_db, 2);
    EXPECT_EQ(two.rating, "凶");
    EXPECT_EQ(two.explanation1, "一2");
    EXPECT_EQ(two.explanation2, "二2");
    EXPECT_EQ(two.explanation3, "三2");
    EXPECT_EQ(two.foundation, "业2");
    EXPECT_EQ(two.family, "家2");
    EXPECT_EQ(two.health, "康2");
    EXPECT_EQ(two.meaning, "义2");
    EXPECT_EQ(two.hints, "甲2|乙2");

    for (int absent : {82, 0, -2}) {
        NumberRecord record = LookupNumber(m_db, absent);
        EXPECT_EQ(record.rating, "") << absent;
        EXPECT_EQ(record.explanation1, "") << absent;
        EXPECT_EQ(record.hints, "") << absent;
    }
}

TEST_F(DatabaseLookupTest, LookupThreeTalentsReadsEveryTextColumn) {
    ASSERT_TRUE(InsertThreeTalents(m_db, "木火土", "大吉"));
    ThreeTalentRecord record = LookupThreeTalents(m_db, "木火土");
    EXPECT_EQ(record.rating, "大吉");
    EXPECT_EQ(record.explanation1, "木火土3");
    EXPECT_EQ(record.overview, "木火土5");
    EXPECT_EQ(record.oldAge, "木火土16");
    EXPECT_EQ(record.baseLuck, "木火土17");
    EXPECT_EQ(record.personality, "木火土20");
    EXPECT_EQ(LookupThreeTalents(m_db, "木火").rating, "");
    EXPECT_EQ(LookupThreeTalents(m_db, "木火土\"").overview, "");
}

TEST_F(DatabaseLookupTest, RatingTablesAnswerAsTheLookupsDo) {
    // An Id beyond 32 bits shares its low bits with 8; no lookup by number can reach it.
    ASSERT_TRUE(fixture::InsertRow(
        m_db, "NB_八一灵动数",
        {SqlValue::Int((std::int64_t{1} << 32) + 8), SqlValue::Text("大凶"), SqlValue::Text(""),
         SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text(""),
         SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text("")}));
    for (int number = 1; number <= 81; ++number)
        ASSERT_TRUE(InsertNumber(m_db, number, number % 3 == 0 ? "吉" : "凶"));
    ASSERT_TRUE(InsertNumber(m_db, 5000, "中"));
    ASSERT_TRUE(InsertNumber(m_db, -7, "大凶"));
    ASSERT_TRUE(InsertNumber(m_db, 9, "大吉"));  // a second row of 9: lookups take the first
    ASSERT_TRUE(InsertThreeTalents(m_db, "木火土", "大吉"));
    ASSERT_TRUE(InsertThreeTalents(m_db, "水水水", "凶"));
    ASSERT_TRUE(InsertThreeTalents(m_db, "木火", "中"));  // a key made with a negative grid

    RatingTables tables = RatingTables::Load(m_db);
    for (int number : {-7, -1, 0, 1, 8, 9, 42, 81, 82, 1023, 1024, 5000, 5001})
        EXPECT_EQ(tables.NumberRating(number), LookupNumber(m_db, number).rating) << number;
    for (int heaven = -3; heaven <= 10; ++heaven)
        for (int person = -1; person <= 10; ++person)
            for (int earth = -1; earth <= 10; ++earth) {
                std::string key =
                    ElementOfNumber(heaven) + ElementOfNumber(person) + ElementOfNumber(earth);
                const std::string& expected = LookupThreeTalents(m_db, key).rating;
                ASSERT_EQ(tables.ThreeTalentRatingOfDigits(heaven, person, earth), expected)
                    << heaven << " " << person << " " << earth;
                ASSERT_EQ(tables.ThreeTalentRating(key), expected);
            }
    EXPECT_EQ(RatingTables().NumberRating(1), "");
    EXPECT_EQ(RatingTables().ThreeTalentRatingOfDigits(1, 3, 5), "");
}

TEST(FindInTableTest, AnswersWithTheFirstEntryOfACharacter) {
    std::vector<CharacterRecord> entries = {{"李", "", 7, 7, "", "木"}, {"明", "", 8, 8, "", "水"},
                                            {"李", "", 1, 1, "", "火"}, {"a", "", 1, 2, "", "金"},
                                            {"ab", "", 3, 4, "", "土"}, {"", "", 0, 0, "", ""}};
    CharacterTable table(entries);
    for (std::string character : {"李", "明", "a", "ab", "A", "林", "\xC0"}) {
        auto indexed = FindInTable(table, character);
        auto scanned = FindInTable(entries, character);
        ASSERT_EQ(indexed.has_value(), scanned.has_value()) << character;
        if (indexed) {
            EXPECT_EQ(indexed->element, scanned->element) << character;
        }
    }
    EXPECT_EQ(FindInTable(table, "李")->simplifiedStrokes, 7);
    EXPECT_FALSE(FindInTable(table, "林").has_value());
}

TEST(FindInTableTest, FollowsEntriesReplacedAndAdded) {
    CharacterTable table;
    table.Resize(3);
    EXPECT_EQ(table.Find("李"), nullptr);
    table.Set(2, {"李", "", 2, 2, "", "木"});
    table.Set(0, {"李", "", 1, 1, "", "木"});
    EXPECT_EQ(table.Find("李")->simplifiedStrokes, 1);
    // Replacing the first 李 makes the later one the answer again.
    table.Set(0, {"明", "", 8, 8, "", "水"});
    EXPECT_EQ(table.Find("李")->simplifiedStrokes, 2);
    EXPECT_EQ(table.Find("明")->simplifiedStrokes, 8);
    table.Append({"明", "", 9, 9, "", "水"});
    EXPECT_EQ(table.Find("明")->simplifiedStrokes, 8);
    table.Resize(1);
    EXPECT_EQ(table.Find("李"), nullptr);
    CharacterTable copy = table;
    EXPECT_EQ(copy.Find("明")->simplifiedStrokes, 8);
    table.Clear();
    EXPECT_EQ(table.Find("明"), nullptr);
    EXPECT_EQ(copy.Find("明")->simplifiedStrokes, 8);
}

TEST(GbkFindTest, MatchesOnlyAtCharacterBoundaries) {
    const struct {
        std::string text, needle;
        int position;
    } cases[] = {
        {"欧阳", "阳", 3},
        {"欧阳", "欧阳", 1},
        {"a欧阳", "阳", 4},
        // 啊 B0A1 followed by 、 A1A2: the middle pair A1A1 spans two characters.
        {"啊、", "　", -1},
        {"欧阳", "", 1},
        {"", "", -1},
        {"", "阳", -1},
        {"阳", "欧阳", -1},
        {"李明", "ming", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GbkFind(c.text, c.needle), c.position) << c.text << " / " << c.needle;
        EXPECT_EQ(GbkContains(c.text, c.needle), c.position >= 0);
    }
}

TEST(GbkReplaceAllTest, ReplacesWholeCharactersOnly) {
    // 晐 is 95 7C: its second byte is the "|" that the hints use as a line separator.
    const struct {
        std::string text, replaced;
    } cases[] = {
        {"甲|乙", "甲<BR>乙"}, {"||", "<BR><BR>"}, {"晐", "晐"},
        {"晐|晐", "晐<BR>晐"}, {"", ""},           {"a|", "a<BR>"},
    };
    for (const auto& c : cases) EXPECT_EQ(GbkReplaceAll(c.text, "|", "<BR>"), c.replaced) << c.text;
    EXPECT_EQ(GbkReplaceAll("李", "", "x"), "李");
}
