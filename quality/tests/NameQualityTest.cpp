#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "namedb/tests/FixtureDatabase.h"
#include "quality/FourByteSet.h"
#include "quality/NameQuality.h"
#include "quality/NameQualityReport.h"
#include "quality/NameSense.h"
#include "quality/PoemSource.h"

namespace {

using quality::PoemMatch;

void Exec(SqliteDatabase& db, const std::string& sql) {
    std::string error;
    ASSERT_TRUE(db.Execute(sql, &error)) << error;
}

// A row of a table beside the nine, which the fixture's InsertRow does not know.
void Insert(SqliteDatabase& db, const std::string& table, const std::vector<SqlValue>& values) {
    std::string marks(2 * values.size() - 1, ',');
    for (size_t i = 0; i < values.size(); ++i) marks[2 * i] = '?';
    std::string error;
    ASSERT_TRUE(db.ExecuteBound("insert into " + table + " values (" + marks + ")", values, &error))
        << error;
}

// A character of NB_CNWord with the reading the quality findings read (拼音2).
void AddCharacter(SqliteDatabase& db, const std::string& character, const std::string& reading) {
    static int id = 0;
    ASSERT_TRUE(fixture::InsertRow(
        db, "NB_CNWord",
        {SqlValue::Int(++id), SqlValue::Int(0), SqlValue::Text(character),
         SqlValue::Text(character), SqlValue::Text(character), SqlValue::Int(5), SqlValue::Int(5),
         SqlValue::Text(""), SqlValue::Text(reading), SqlValue::Text(""), SqlValue::Text(""),
         SqlValue::Text(""), SqlValue::Text("木"), SqlValue::Text(""), SqlValue::Text(""),
         SqlValue::Text("")}));
}

std::string Leb128(std::uint64_t value) {
    std::string bytes;
    do {
        unsigned char byte = value & 0x7F;
        value >>= 7;
        if (value) byte |= 0x80;
        bytes += static_cast<char>(byte);
    } while (value);
    return bytes;
}

struct Poem {
    int id;
    int rank;
    std::string title;
    std::string poet;
    std::string text;
};

// The poem tables and their index, packed as the database builder packs them: postings of
// (rank, line, place) in rising order, stored as LEB128 differences.
void AddPoems(SqliteDatabase& db, const std::vector<Poem>& poems) {
    std::map<std::string, std::vector<std::uint64_t>> postings;
    for (const Poem& poem : poems) {
        ASSERT_TRUE(fixture::InsertRow(
            db, "NB_全唐诗",
            {SqlValue::Int(poem.id), SqlValue::Text(poem.title), SqlValue::Text(poem.poet),
             SqlValue::Text(poem.text), SqlValue::Text(""), SqlValue::Int(0)}));
        Insert(db, "NB_诗篇次序", {SqlValue::Int(poem.rank), SqlValue::Int(poem.id)});
        const std::vector<std::string_view> lines = quality::PoemLines(poem.text);
        for (std::uint64_t line = 0; line < lines.size(); ++line)
            for (std::uint64_t place = 0; place * 2 < lines[line].size(); ++place)
                postings[std::string(lines[line].substr(place * 2, 2))].push_back(
                    ((static_cast<std::uint64_t>(poem.rank) << 10 | line) << 5) | place);
    }
    int id = 0;
    for (auto& [character, list] : postings) {
        std::sort(list.begin(), list.end());
        std::string blob;
        std::uint64_t previous = 0;
        for (std::uint64_t value : list) {
            blob += Leb128(value - previous);
            previous = value;
        }
        Insert(db, "NB_诗句索引",
               {SqlValue::Int(++id), SqlValue::Text(character), SqlValue::Bytes(blob)});
    }
}

// A small name database: the nine tables, the tables beside them, and the characters, levels,
// readings and poems the cases below need. 子 is read zǐ as in a name; the word 肚子疼 reads it
// in the neutral tone.
class NameQualityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture::OpenEmptyNameDatabase(db);
        Exec(db, "create table NB_字级 (Id Integer(10), 汉字 VarChar(2), 级别 Integer(10))");
        Exec(db, "create table NB_诗句索引 (Id Integer(10), 汉字 VarChar(2), 诗句 Blob)");
        Exec(db, "create table NB_诗篇次序 (次序 Integer(10), 诗Id Integer(10))");
        Exec(db,
             "create table NB_姓氏读音 (Id Integer(10), 姓 VarChar(8), 拼音1 VarChar(40), "
             "拼音2 VarChar(40), 声母 VarChar(2))");
        const struct {
            const char* character;
            const char* reading;
            int level;  // 0: no row, outside the standard list
        } characters[] = {
            {"李", "lǐ", 1},     {"杜", "dù", 1},   {"子", "zǐ", 1},   {"腾", "téng", 1},
            {"明", "míng", 1},   {"月", "yuè", 1},  {"华", "huá", 1},  {"静", "jìng", 1},
            {"勐", "měng", 2},   {"珺", "jùn", 3},  {"燚", "yì", 0},   {"范", "fàn", 1},
            {"统", "tǒng", 1},   {"王", "wáng", 1}, {"霸", "bà", 1},   {"张", "zhāng", 1},
            {"三", "sān", 1},    {"丰", "fēng", 1}, {"单", "dān", 1},  {"光", "guāng", 1},
            {"床", "chuáng", 1}, {"蚊", "wén", 1},  {"婷", "tíng", 2}, {"芳", "fāng", 1},
            {"小", "xiǎo", 1},   {"四", "sì", 1},   {"思", "sī", 1},   {"领", "lǐng", 1},
            {"养", "yǎng", 1},
        };
        fixture::AddPackedList(db, "不宜字", "蚊\t属昆虫名称\n");
        int id = 0;
        for (const auto& c : characters) {
            AddCharacter(db, c.character, c.reading);
            if (c.level > 0) {
                Insert(db, "NB_字级",
                       {SqlValue::Int(++id), SqlValue::Text(c.character), SqlValue::Int(c.level)});
            }
        }
        Insert(db, "NB_姓氏读音",
               {SqlValue::Int(1), SqlValue::Text("单"), SqlValue::Text("shan"),
                SqlValue::Text("shàn"), SqlValue::Text("sh")});
        // The other poem comes first in the table but later in the index's order.
        AddPoems(db,
                 {{1, 1, "月夜", "无名氏", "今夜明月好，照我床前光。"},
                  {2, 0, "静夜思", "李白", "床前明月光，疑是地上霜。举头望明月，低头思故乡。"}});
    }

    SqliteDatabase db;
};

TEST_F(NameQualityTest, FindingsOfATableOfNames) {
    const struct {
        const char* surname;
        const char* given;
        const char* levels;  // the 字级 line
        bool harmonious;
        const char* tones;   // the 平仄 line
        const char* sound;   // the 谐音 line
        const char* source;  // the 出处 line
        bool findings;
    } cases[] = {
        // A rare character, named with its level.
        {"李", "珺华",
         "字级：珺（三级）华（一级），珺 不在GB2312字符集内，较旧的户籍、银行、机票系统可能打不出",
         true, "平仄：lǐ jùn huá（仄仄平），声调有起伏，读来和谐", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“珺华”二字同在一句", true},
        {"李", "燚",
         "字级：燚（表外），燚 不在GB2312字符集内，较旧的户籍、银行、机票系统可能打不出", false,
         "平仄：lǐ yì（仄仄），两字皆仄", "谐音：没有不雅的谐音", "出处：单字名不查诗句出处", true},
        // The joke every class knows, with the word it sounds like.
        {"杜", "子腾", "字级：子（一级）腾（一级），都是一级常用字", true,
         "平仄：dù zǐ téng（仄仄平），声调有起伏，读来和谐", "谐音：读如“肚子疼”，声调也相同",
         "出处：唐诗中没有“子腾”二字同在一句", true},
        {"范", "统", "字级：统（一级），是一级常用字", false, "平仄：fàn tǒng（仄仄），两字皆仄",
         "谐音：读如“饭桶”，声调也相同", "出处：单字名不查诗句出处", true},
        {"王", "霸", "字级：霸（一级），是一级常用字", true, "平仄：wáng bà（平仄），声调有起伏",
         "谐音：读如“王八”，只是声调不同", "出处：单字名不查诗句出处", true},
        // Three 仄, three 平 on one tone.
        {"李", "静月", "字级：静（一级）月（一级），都是一级常用字", false,
         "平仄：lǐ jìng yuè（仄仄仄），三字皆仄，读来沉闷拗口", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“静月”二字同在一句", true},
        {"张", "三丰", "字级：三（一级）丰（一级），都是一级常用字", false,
         "平仄：zhāng sān fēng（平平平），三字同为第一声，读来单调", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“三丰”二字同在一句", true},
        // 静夜思 gives the source of 明月, and the name has no findings.
        {"李", "明月", "字级：明（一级）月（一级），都是一级常用字", true,
         "平仄：lǐ míng yuè（仄平仄），声调有起伏，读来和谐", "谐音：没有不雅的谐音",
         "出处：“床前明月光”——李白《静夜思》", false},
        {"李", "明华", "字级：明（一级）华（一级），都是一级常用字", true,
         "平仄：lǐ míng huá（仄平平），声调有起伏，读来和谐", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“明华”二字同在一句", false},
        // A level-2 character inside GB2312 prints everywhere; two level tones do not rise.
        {"王", "婷", "字级：婷（二级），在GB2312字符集内，各系统都能打出", false,
         "平仄：wáng tíng（平平），两字同为第二声", "谐音：没有不雅的谐音",
         "出处：单字名不查诗句出处", true},
        {"王", "芳", "字级：芳（一级），是一级常用字", false, "平仄：wáng fāng（平平），两字皆平",
         "谐音：没有不雅的谐音", "出处：单字名不查诗句出处", true},
        // One syllable alone: 四 sì is heard as 死; 思 sī is not.
        {"王", "小四", "字级：小（一级）四（一级），都是一级常用字", true,
         "平仄：wáng xiǎo sì（平仄仄），声调有起伏", "谐音：读如“死”，只是声调不同",
         "出处：唐诗中没有“小四”二字同在一句", true},
        {"李", "思明", "字级：思（一级）明（一级），都是一级常用字", true,
         "平仄：lǐ sī míng（仄平平），声调有起伏", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“思明”二字同在一句", false},
        // The surname's own reading: 单 is shàn as a surname, dān elsewhere.
        {"单", "明华", "字级：明（一级）华（一级），都是一级常用字", true,
         "平仄：shàn míng huá（仄平平），", "谐音：没有不雅的谐音",
         "出处：唐诗中没有“明华”二字同在一句", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + c.given);
        const quality::NameQuality result = quality::EvaluateNameQuality(db, c.surname, c.given);
        const std::vector<std::string> lines = quality::NameQualityLines(result);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], c.levels);
        EXPECT_EQ(result.tones.harmonious, c.harmonious);
        EXPECT_EQ(lines[1].substr(0, std::string(c.tones).size()), c.tones) << lines[1];
        EXPECT_EQ(lines[2], c.sound);
        EXPECT_EQ(lines[3], c.source);
        EXPECT_EQ(result.HasFindings(), c.findings);
        // A run judges a name by the same rules without the poem source.
        quality::NameQualityChecker checker(db, c.surname);
        EXPECT_EQ(checker.HasFindings(c.given), c.findings);
    }
}

// A run reads the facts of all its characters at once; they must be those read one by one: a
// rare level, no level row, an unfit character, a character the dictionary lacks (鑫), a repeat.
TEST_F(NameQualityTest, CharactersReadTogetherHaveTheFactsOfCharactersReadOneByOne) {
    const std::vector<std::string> characters = {"珺", "燚", "子", "蚊", "明", "鑫", "珺"};
    quality::NameQualityChecker oneByOne(db, "杜");
    quality::NameQualityChecker together(db, "杜");
    together.ReadCharacters(characters);
    for (const std::string& character : characters) {
        SCOPED_TRACE(character);
        const quality::CharacterFacts& expected = oneByOne.Character(character);
        const quality::CharacterFacts& actual = together.Character(character);
        EXPECT_EQ(actual.level, expected.level);
        EXPECT_EQ(actual.reading, expected.reading);
        EXPECT_EQ(actual.unfitReason, expected.unfitReason);
    }
    for (const char* given : {"子腾", "明蚊", "珺华", "明华", "鑫"})
        EXPECT_EQ(together.HasFindings(given), oneByOne.HasFindings(given)) << given;
}

// A character our texts call unfit for a name is a finding of its own, right after the levels,
// even where every other finding is good; the page then no longer says the characters are fine.
TEST_F(NameQualityTest, ACharacterUnfitForANameIsAFinding) {
    const quality::NameQuality result = quality::EvaluateNameQuality(db, "李", "明蚊");
    EXPECT_FALSE(result.HasRareCharacter());
    EXPECT_TRUE(result.HasUnfitCharacter());
    EXPECT_TRUE(result.HasFindings());
    const std::vector<std::string> lines = quality::NameQualityLines(result);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "字级：明（一级）蚊（一级），都是一级常用字");
    EXPECT_EQ(lines[1], "用字：蚊：不宜用于人名（属昆虫名称）");
    EXPECT_EQ(lines[2].rfind("平仄：", 0), 0u) << lines[2];
    quality::NameQualityChecker checker(db, "李");
    EXPECT_TRUE(checker.HasFindings("明蚊"));
    EXPECT_FALSE(checker.HasFindings("明华"));
    EXPECT_FALSE(checker.IsCommonAndFit("蚊"));
    EXPECT_TRUE(checker.IsCommonAndFit("明"));
    const std::string page = quality::NameQualityPage(result);
    EXPECT_NE(page.find("<th>用字</th><td><font color=\"#c00000\">蚊：不宜用于人名"),
              std::string::npos);
    EXPECT_EQ(page.find("用字常见"), std::string::npos);
}

// A given name that is itself a word of bad sense is a finding of its own, and a run judges it so.
TEST_F(NameQualityTest, AGivenNameThatIsAWordOfBadSenseIsAFinding) {
    Exec(db, "create table NB_不宜词 (词 VarChar(8), 缘由 VarChar(40))");
    Insert(db, "NB_不宜词", {SqlValue::Text("领养"), SqlValue::Text("仆役身份：被收养")});
    fixture::AddPackedList(db, "不宜词", "领养\n");
    const quality::NameQuality result = quality::EvaluateNameQuality(db, "李", "领养");
    const std::vector<std::string> lines = quality::NameQualityLines(result);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "词义：领养：是一个词，不宜作名字（被收养）");
    quality::NameQualityChecker checker(db, "李");
    EXPECT_TRUE(checker.HasFindings("领养"));
    EXPECT_FALSE(checker.HasFindings("明华"));
}

// 寓意: a word says its own sense, other names their characters' senses in order, a doubled
// character once; a name with a character without a sense (蚊, unfit) or of bad sense says none.
// The words are listed out of byte order, as a hand-made file might hold them.
TEST_F(NameQualityTest, ANameSaysWhatItMeans) {
    fixture::AddPackedList(db, "寓意",
                           "明\t光明、聪慧\n月\t明月、皎洁\n华\t华美、繁荣\n婷\t美好\n");
    fixture::AddPackedList(db, "词义", "明月\t光明的月亮\n华月\t美好的月光\n");
    Exec(db, "create table NB_不宜词 (词 VarChar(8), 缘由 VarChar(40))");
    Insert(db, "NB_不宜词", {SqlValue::Text("月华"), SqlValue::Text("字义不佳：试作不宜之词")});
    fixture::AddPackedList(db, "不宜词", "月华\n");
    const struct {
        const char* given;
        const char* sense;
        const char* line;  // the 寓意 line of the findings, "" for none
    } cases[] = {
        {"明月", "光明的月亮", "寓意：光明的月亮（出自李白《静夜思》）"},
        {"华月", "美好的月光", "寓意：美好的月光"},
        {"明华", "光明、聪慧；华美、繁荣", "寓意：光明、聪慧；华美、繁荣"},
        {"婷婷", "美好", "寓意：美好"},
        {"华", "华美、繁荣", "寓意：华美、繁荣"},
        {"明蚊", "", ""},
        {"月华", "明月、皎洁；华美、繁荣", ""},  // a word of bad sense is given no meaning
    };
    const quality::NameSenseTable senses = quality::NameSenseTable::Load(db);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(senses.SenseOf(c.given), c.sense);
        const std::vector<std::string> lines =
            quality::NameQualityLines(quality::EvaluateNameQuality(db, "李", c.given));
        EXPECT_EQ(lines.front().rfind("寓意：", 0) == 0 ? lines.front() : "", c.line);
    }
}

TEST_F(NameQualityTest, PoemSourcePrefersAdjacentInOrderThenReversedThenOneLine) {
    const struct {
        const char* first;
        const char* second;
        PoemMatch match;
        const char* line;
        const char* title;
    } cases[] = {
        {"明", "月", PoemMatch::InOrder, "床前明月光", "静夜思"},
        {"月", "明", PoemMatch::Reversed, "床前明月光", "静夜思"},
        {"床", "光", PoemMatch::SameLine, "床前明月光", "静夜思"},
        // A pair next to each other in a later poem wins over one line of an earlier poem.
        {"前", "光", PoemMatch::InOrder, "照我床前光", "月夜"},
        {"照", "我", PoemMatch::InOrder, "照我床前光", "月夜"},
        {"明", "华", PoemMatch::None, "", ""},
        {"月", "月", PoemMatch::None, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + c.second);
        const quality::PoemSource source = quality::FindPoemSource(db, c.first, c.second);
        EXPECT_EQ(source.match, c.match);
        EXPECT_EQ(source.line, c.line);
        EXPECT_EQ(source.title, c.title);
    }
}

// A pair side by side that a word of its line cuts is no source there: 照我床前光 holds 前光, but
// its 前 belongs to 床前, so the pair is found apart in 床前明月光 instead.
TEST_F(NameQualityTest, AWordOfTheLineCutsAPairSideBySide) {
    const quality::WordList words({"床前"});
    EXPECT_EQ(quality::FindPoemSource(db, "前", "光").match, PoemMatch::InOrder);
    const quality::PoemSource cut = quality::FindPoemSource(db, "前", "光", &words);
    EXPECT_EQ(cut.match, PoemMatch::SameLine);
    EXPECT_EQ(cut.line, "床前明月光");
    // A pair that is itself a word is never cut: 明月 stays in 床前明月光 beside 月光.
    const quality::WordList more({"月光", "床前", "明月"});
    const quality::PoemSource word = quality::FindPoemSource(db, "明", "月", &more);
    EXPECT_EQ(word.match, PoemMatch::InOrder);
    EXPECT_EQ(word.line, "床前明月光");
}

// Across collections: a classic's side by side pair first, then a Tang poem's, then a ci's, then
// a classic's sentence holding the pair in order, then the Tang poems' other lines.
TEST_F(NameQualityTest, NameSourcesPutTheClassicsFirstThenTangThenTheCi) {
    Exec(db,
         "create table NB_典籍句 (Id Integer(10), 典籍 VarChar(4), 篇 VarChar(40), "
         "作者 VarChar(20), 句 VarChar(120))");
    Exec(db, "create table NB_出处 (字对 VarChar(4), 句Id Integer(10), 相连 Integer(1))");
    const struct {
        const char* pair;
        int id;
        const char* collection;
        const char* piece;
        const char* author;
        const char* sentence;
        int joined;
    } listed[] = {
        {"明月", 1, "诗经", "某风·明月", "", "明月皎皎。", 1},
        {"前光", 2, "宋词", "某调", "某", "床前光影。", 1},
        {"月明", 3, "楚辞", "某篇", "屈原", "月出而明。", 0},
    };
    for (const auto& c : listed) {
        Insert(db, "NB_典籍句",
               {SqlValue::Int(c.id), SqlValue::Text(c.collection), SqlValue::Text(c.piece),
                SqlValue::Text(c.author), SqlValue::Text(c.sentence)});
        Insert(db, "NB_出处",
               {SqlValue::Text(c.pair), SqlValue::Int(c.id), SqlValue::Int(c.joined)});
    }
    const struct {
        const char* first;
        const char* second;
        const char* collection;
        PoemMatch match;
        const char* line;  // the 出处 finding
    } cases[] = {
        {"明", "月", "诗经", PoemMatch::InOrder, "出处：诗经·某风·明月「明月皎皎。」"},
        {"前", "光", "唐诗", PoemMatch::InOrder, "出处：“照我床前光”——无名氏《月夜》"},
        {"月", "明", "楚辞", PoemMatch::InSentence,
         "出处：楚辞·某篇（屈原）「月出而明。」（二字先后同在一句）"},
        {"床", "光", "唐诗", PoemMatch::SameLine,
         "出处：“床前明月光”——李白《静夜思》（二字同在一句）"},
        {"明", "华", "", PoemMatch::None, "出处：典籍和唐诗宋词中没有“明华”二字同在一句"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + c.second);
        const quality::PoemSource source = quality::FindNameSource(db, c.first, c.second);
        EXPECT_EQ(source.collection, c.collection);
        EXPECT_EQ(source.match, c.match);
        const std::vector<std::string> lines = quality::NameQualityLines(
            quality::EvaluateNameQuality(db, "李", std::string(c.first) + c.second));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end());
    }
}

TEST(NameQualityWithoutItsTables, AnOlderDatabaseGivesNoLevelAndNoSource) {
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    AddCharacter(db, "李", "lǐ");
    AddCharacter(db, "珺", "jùn");
    AddCharacter(db, "华", "huá");
    const quality::NameQuality result = quality::EvaluateNameQuality(db, "李", "珺华");
    EXPECT_FALSE(result.HasRareCharacter());
    EXPECT_EQ(result.givenCharacters[0].level, quality::kLevelUnknown);
    EXPECT_EQ(result.poem.match, PoemMatch::None);
    EXPECT_EQ(quality::NameQualityLines(result)[0],
              "字级：珺（未知）华（未知），名字数据库没有字级表，无从判断");
}

TEST(NameQualityPageTest, ShowsTheFourFindingsAndMarksTheBadOnes) {
    quality::NameQuality result;
    result.surname = "杜";
    result.givenName = "子<腾";
    result.givenCharacters = {{"子", 1, "zǐ", {"zi", 3}}};
    result.readings = {"dù", "zǐ"};
    result.tones = {true, "仄仄", "声调有起伏，读来和谐"};
    result.sound.found = true;
    result.sound.word = "肚子疼";
    result.sound.sameTones = true;
    const std::string page = quality::NameQualityPage(result);
    for (const char* part :
         {"charset=gbk", "杜子&lt;腾 名字品质", "<th>字级</th>", "<th>平仄</th>", "<th>谐音</th>",
          "<th>出处</th>", "<font color=\"#c00000\">读如“肚子疼”"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

// The line on the birth chart's elements shows only once a chart was looked at.
TEST(NameQualityPageTest, HoldsTheGivenNameAgainstTheChartsElements) {
    quality::NameQuality result;
    result.surname = "李";
    result.givenName = "林炎";
    EXPECT_EQ(quality::NameQualityPage(result).find("八字喜用"), std::string::npos);
    const struct {
        const char* given;
        const char* line;
    } cases[] = {{"木火", "<td>名字五行 木火，合八字喜用</td>"},
                 {"木金", "名字五行 木金，部分合八字喜用（喜木火）"},
                 {"金土", "名字五行 金土，未合八字喜用（喜木火）"}};
    for (const auto& c : cases) {
        result.givenElements = c.given;
        result.favourableElements = "木火";
        EXPECT_NE(quality::NameQualityPage(result).find(c.line), std::string::npos) << c.given;
    }
}

TEST_F(NameQualityTest, WritesThePageOfANameAsGbk) {
    fixture::TempDir dir;
    const auto file = dir.path() / "temp6.html";
    ASSERT_TRUE(quality::WriteNameQualityPage(db, "李", "明月", file));
    std::ifstream in(file, std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("“床前明月光”——李白《静夜思》"), std::string::npos);
    EXPECT_NE(page.find("用字常见，声调和谐，没有不雅的谐音。"), std::string::npos);
}

TEST(PostingsTest, DecodesRisingDifferencesOfAnyWidth) {
    std::string blob;
    const std::vector<std::uint64_t> values = {0, 1, 127, 128, 300, 16384, 1887436800};
    std::uint64_t previous = 0;
    for (std::uint64_t value : values) {
        blob += Leb128(value - previous);
        previous = value;
    }
    EXPECT_EQ(quality::DecodePostings(blob), values);
}

// The builder cuts poems into lines in Python, the program in C++: on the built database every
// line found must hold the two characters where its kind says. A disagreement on where lines end
// would show here as a line without them.
TEST(PoemSourceOnTheNameDatabase, FoundLinesHoldTheirCharacters) {
    const char* source = std::getenv("BABYNAME_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    SqliteDatabase db;
    ASSERT_TRUE(db.OpenReadOnly(std::filesystem::path(source) / "data" / "namedata.db"));
    int found = 0;
    for (const char* pair : {"明月", "春风", "白云", "青山", "江南", "思远", "清风", "子腾", "浩然",
                             "长安", "若水", "秋霜", "雨轩", "梓涵", "一一", "问渠"}) {
        const std::string first(pair, 2), second(pair + 2, 2);
        SCOPED_TRACE(pair);
        const quality::PoemSource poem = quality::FindPoemSource(db, first, second);
        if (poem.match == PoemMatch::None) continue;
        ++found;
        EXPECT_FALSE(poem.title.empty());
        const std::string& line = poem.line;
        const std::string inOrder = first + second, reversed = second + first;
        auto at = [&](const std::string& part) {
            for (size_t i = 0; i + part.size() <= line.size(); i += 2)
                if (line.compare(i, part.size(), part) == 0) return true;
            return false;
        };
        if (poem.match == PoemMatch::InOrder) {
            EXPECT_TRUE(at(inOrder)) << line;
        }
        if (poem.match == PoemMatch::Reversed) {
            EXPECT_TRUE(at(reversed)) << line;
        }
        if (poem.match == PoemMatch::SameLine) {
            EXPECT_TRUE(at(first) && at(second)) << line;
        }
    }
    EXPECT_GE(found, 10);
}

}  // namespace

// The set of words of bad sense answers for every word put in, past any growth of its table,
// and for nothing else: not a word of another length, not a word never put in.
TEST(FourByteSetTest, HoldsExactlyTheWordsPutIn) {
    quality::FourByteSet words;
    std::vector<std::string> inserted;
    for (int k = 0; k < 3000; ++k) {
        const std::string word = {char(0xB0 + k % 40), char(0xA1 + k / 40 % 90), char(0xC0 + k % 7),
                                  char(0xA1 + k % 13)};
        words.Insert(word);
        inserted.push_back(word);
    }
    for (const std::string& word : inserted) EXPECT_TRUE(words.Contains(word));
    EXPECT_FALSE(words.Contains("\xB0\xA1\xB0"));
    EXPECT_FALSE(words.Contains("\xF7\xFE\xF7\xFE"));
    EXPECT_FALSE(quality::FourByteSet().Contains("\xB0\xA1\xB0\xA1"));
}
