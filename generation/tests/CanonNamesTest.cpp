#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "generation/CanonPassages.h"
#include "generation/RunGeneration.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/RecordingObserver.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

std::vector<std::string> Texts(const std::vector<canon::Pair>& pairs) {
    std::vector<std::string> texts;
    for (const canon::Pair& pair : pairs) texts.push_back(pair.first + pair.second);
    return texts;
}

// Passages are sentences, or the lines of a long one; pairs stand side by side within a line or
// apart within the passage, in its order, never a character with itself.
TEST(CanonPassagesTest, PassagesAndTheirPairs) {
    EXPECT_EQ(canon::PassagesOf("青青子衿，悠悠我心。纵我不往，子宁不嗣音？"),
              (std::vector<std::string>{"青青子衿，悠悠我心。", "纵我不往，子宁不嗣音？"}));
    EXPECT_EQ(canon::PassagesOf("一二三四五六七八九十一二三四五六七八九十，"
                                "一二三四五六七八九十一二三四五六七八九十一。"),
              (std::vector<std::string>{"一二三四五六七八九十一二三四五六七八九十",
                                        "一二三四五六七八九十一二三四五六七八九十一"}));
    const auto all = [](const std::string&) { return true; };
    EXPECT_EQ(Texts(canon::PairsOf("静女其姝，俟我。", true, all)),
              (std::vector<std::string>{"静女", "女其", "其姝", "俟我"}));
    EXPECT_EQ(
        Texts(canon::PairsOf("静女其姝，俟我。", false,
                             [](const std::string& c) { return c != "其"; })),
        (std::vector<std::string>{"静姝", "静俟", "静我", "女姝", "女俟", "女我", "姝俟", "姝我"}));
    EXPECT_EQ(Texts(canon::PairsOf("青青子衿。", true, all)),
              (std::vector<std::string>{"青子", "子衿"}));
    EXPECT_EQ(canon::CharactersOf("青青子衿。", all), (std::vector<std::string>{"青", "子", "衿"}));
}

class CanonNamesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture::OpenEmptyNameDatabase(db);
        ASSERT_TRUE(
            db.Execute("create table NB_典籍句 (Id Integer(10), 典籍 VarChar(4), 篇 VarChar(40), "
                       "作者 VarChar(20), 句 VarChar(120))"));
        const char* passages[][4] = {{"诗经", "郑风·子衿", "", "青青子衿，悠悠我心。"},
                                     {"诗经", "邶风·静女", "", "静女其姝，俟我于城隅。"},
                                     {"楚辞", "卜居", "屈原", "谗人高张，贤士无名。"},
                                     {"诗经", "豳风·七月", "", "女心伤悲。"}};
        int id = 0;
        for (const auto& [collection, piece, author, text] : passages)
            ASSERT_TRUE(db.ExecuteBound(
                "insert into NB_典籍句 values (?, ?, ?, ?, ?)",
                {SqlValue::Int(++id), SqlValue::Text(collection), SqlValue::Text(piece),
                 SqlValue::Text(author), SqlValue::Text(text)}));
        // Every character but 我, 其, 于 and 俟 has a sense; 张 leans to boys; 谗人 and 无名 are
        // phrases of bad sense.
        std::string senses;
        for (const char* character : {"青", "子", "衿", "悠", "心", "静", "女", "姝", "城", "隅",
                                      "谗", "人", "高", "张", "贤", "士", "无", "名"})
            senses += std::string(character) + "\t好\n";
        ASSERT_TRUE(fixture::AddPackedList(db, "寓意", senses));
        ASSERT_TRUE(fixture::AddPackedList(db, "用字判定", "张男\t"));
        ASSERT_TRUE(fixture::AddPackedList(db, "不宜词", "谗人\n无名\n"));
        ASSERT_TRUE(fixture::AddPackedList(db, "悲字", "悲\n"));
        generation_fixture::AddCharacters(
            db,
            {"王", "青", "子", "衿", "悠", "心", "静", "女", "姝", "城", "隅", "谗", "人", "高",
             "张", "贤", "士", "无", "名"},
            4, "木");
        generation_fixture::RateNumbers(db, 1, 81, "吉");
        generation_fixture::RateAllThreeTalents(db, "吉");
    }

    std::vector<ResultRow> Run(Sex sex, std::vector<std::string> collections = {}) {
        GenerationInputs inputs;
        inputs.mode = GenerationMode::Canon;
        inputs.surname = "王";
        inputs.sex = sex;
        inputs.canonCollections = std::move(collections);
        RecordingObserver observer;
        RunControl control;
        RunGeneration(inputs, observer, db, control).Execute();
        return observer.finished(ResultList::Canon);
    }

    SqliteDatabase db;
};

// A girl's names from 诗经 and 楚辞: pairs side by side before pairs apart, each with its passage;
// no phrase of bad sense, no character leaning to boys, none the review never saw, none from a
// line of grief.
TEST_F(CanonNamesTest, NamesFromTheLinesWithTheirSources) {
    const std::vector<ResultRow> rows = Run(Sex::Female);
    std::vector<std::string> names;
    std::map<std::string, const ResultRow*> byName;
    for (const ResultRow& row : rows) {
        ASSERT_EQ(row.size(), 12u);
        names.emplace_back(row[1].substr(2));
        byName[names.back()] = &row;
    }
    ASSERT_TRUE(byName.count("子衿"));
    const ResultRow& zijin = *byName["子衿"];
    EXPECT_EQ(zijin[9], "诗经·郑风·子衿");
    EXPECT_EQ(zijin[10], "");
    EXPECT_EQ(zijin[11], "青青子衿，悠悠我心。");
    ASSERT_TRUE(byName.count("静姝"));
    EXPECT_EQ((*byName["静姝"])[11], "静女其姝，俟我于城隅。");
    EXPECT_EQ((*byName["贤士"])[9], "楚辞·卜居");
    EXPECT_EQ((*byName["贤士"])[10], "屈原");
    // 女心 stands in a line of grief, 女心伤悲: that line gives no name.
    for (const char* refused : {"谗人", "无名", "高张", "我心", "女其", "女心"})
        EXPECT_FALSE(byName.count(refused)) << refused;
    const auto place = [&](const char* name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_LT(place("子衿"), place("静姝"));
    EXPECT_LT(place("城隅"), place("子心"));
    // A boy's list holds 高张; 楚辞 alone holds no name of 诗经.
    const std::vector<ResultRow> boys = Run(Sex::Male, {"楚辞"});
    std::vector<std::string> boyNames;
    for (const ResultRow& row : boys) boyNames.emplace_back(row[1].substr(2));
    EXPECT_NE(std::find(boyNames.begin(), boyNames.end(), "高张"), boyNames.end());
    EXPECT_EQ(std::find(boyNames.begin(), boyNames.end(), "子衿"), boyNames.end());
}

}  // namespace
