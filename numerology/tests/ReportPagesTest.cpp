#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "namedb/tests/FixtureDatabase.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "numerology/tests/NumerologyFixture.h"

namespace {

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A brace followed by a GBK lead byte: a placeholder with a Chinese label left unfilled.
bool HasUnfilledPlaceholder(const std::string& page) {
    for (std::size_t at = page.find('{'); at != std::string::npos; at = page.find('{', at + 1))
        if (at + 1 < page.size() && static_cast<unsigned char>(page[at + 1]) >= 0x81) return true;
    return false;
}

}  // namespace

TEST(FillTemplateTest, ReplacesEveryOccurrenceOncePerPair) {
    const struct {
        std::string pageTemplate;
        TemplateValues values;
        std::string page;
    } cases[] = {
        {"{甲}-{乙}-{甲}", {{"{甲}", "1"}, {"{乙}", "2"}}, "1-2-1"},
        {"{甲}{丙}", {{"{甲}", "1"}}, "1{丙}"},
        {"a { b } {甲}", {{"{乙}", "2"}, {"{甲}", ""}}, "a { b } "},
        // A value is never searched again, so typed text that looks like a placeholder stays.
        {"{甲}{乙}", {{"{甲}", "{乙}"}, {"{乙}", "2"}}, "{乙}2"},
        {"{甲}", {{"{甲}", "<BR>"}}, "<BR>"},
    };
    for (const auto& c : cases) EXPECT_EQ(FillTemplate(c.pageTemplate, c.values), c.page);
}

TEST(HtmlEscapeTest, EscapesMarkupAndKeepsGbk) {
    EXPECT_EQ(HtmlEscape("李<b>&\"'明"), "李&lt;b&gt;&amp;&quot;&#39;明");
}

class ReportPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture::OpenEmptyNameDatabase(m_db);
        ASSERT_TRUE(fixture::InsertCharacter(m_db, "李", "李", 7, 7, "木", "lǐ"));
        ASSERT_TRUE(fixture::InsertCharacter(m_db, "明", "明", 8, 8, "水", "míng"));
        ASSERT_TRUE(fixture::InsertCharacter(m_db, "华", "華", 6, 14, "水", "huá"));
        // 李明华: heaven 8, person 15, earth 22, total 29, outer 15.
        for (int number : {8, 15, 22, 29})
            ASSERT_TRUE(numerology_fixture::InsertNumber(m_db, number, "吉"));
        ASSERT_TRUE(numerology_fixture::InsertThreeTalents(m_db, "金土木", "大吉"));
    }
    SqliteDatabase m_db;
    fixture::TempDir m_dir;
};

TEST_F(ReportPageTest, ScoreReportOfASingleSurnameLeavesItsSecondRowEmpty) {
    NameEvaluation evaluation;
    std::filesystem::path file = m_dir.path() / "temp.html";
    EXPECT_EQ(DetailedEvaluation(m_db, "李", "明华", evaluation, file), 100);
    std::string page = ReadFile(file);
    EXPECT_EQ(page, FillScoreReport(evaluation));

    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    EXPECT_NE(page.find("<title>名字评分</title>"), std::string::npos);
    EXPECT_FALSE(HasUnfilledPlaceholder(page));

    // Each grid stands in its cell, its analysis heading and its hints row.
    for (std::string grid : {"天格8", "人格15", "地格22", "总格29", "外格15"}) {
        EXPECT_EQ(Count(page, grid), 2) << grid;  // the analysis heading and the hints row
    }
    EXPECT_EQ(Count(page, "天格-&gt; 8(金)"), 1);
    EXPECT_EQ(Count(page, "外格-&gt; 15(土)"), 1);
    EXPECT_NE(page.find("天格8的解析："), std::string::npos);
    EXPECT_NE(page.find("天格8有以下数理暗示"), std::string::npos);

    // The characters' rows in order: surname 1 filled, surname 2 empty, both given-name rows.
    std::size_t surname1 = page.find(">李</span>");
    std::size_t given1 = page.find(">明</span>");
    std::size_t given2 = page.find(">华</span>");
    ASSERT_NE(surname1, std::string::npos);
    ASSERT_NE(given1, std::string::npos);
    ASSERT_NE(given2, std::string::npos);
    EXPECT_LT(surname1, given1);
    EXPECT_LT(given1, given2);
    std::string secondRow = page.substr(surname1, given1 - surname1);
    EXPECT_NE(secondRow.find("<span class=\"fontcolor1\"></span>"), std::string::npos);
    EXPECT_EQ(Count(secondRow, "<td class=\"tdbgcolor\" align=\"center\"></td>"), 3);
    EXPECT_NE(page.find(">華</font>"), std::string::npos);
    EXPECT_NE(page.find(">14</td>"), std::string::npos);

    // Database texts carry their markup; "|" of the hints became a line break.
    EXPECT_NE(page.find("二8<BR>基业:业8"), std::string::npos);
    EXPECT_NE(page.find("甲15<BR>乙15"), std::string::npos);
    EXPECT_NE(page.find("您的姓名三才配置为：金土木。"), std::string::npos);
    EXPECT_NE(page.find("1、总论:金土木5"), std::string::npos);
    EXPECT_NE(page.find("你的名字取得非常棒"), std::string::npos);
    EXPECT_NE(page.find(">100</span> 分"), std::string::npos);
}

TEST_F(ReportPageTest, ScoreReportKeepsItsSectionsLabelsAndTextsInOrder) {
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "李", "明华", evaluation);
    const std::string page = FillScoreReport(evaluation);
    const char* const inOrder[] = {
        "<title>名字评分</title>",
        "繁体",
        "拼音",
        "简体笔划",
        "康熙笔划",
        "字意五行",
        "天格-&gt; 8(金)",
        "人格-&gt; 15(土)",
        "地格-&gt; 22(木)",
        "外格-&gt; 15(土)",
        "总格-&gt; 29(水)",
        "说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。",
        "本方法测命理只供参考,切勿影响生活!",
        "<span class=\"sy\">[ 结果来源于： 沐禾宝宝取名软件 ]</span>",
        "天格8的解析：",
        "天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉"
        "都"
        "无法改)",
        "一8(三8)（<font color=red>吉</font>）",
        " → 详细解释：<br />二8<BR>基业:业8",
        "人格15的解析：",
        "人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
        "地格22的解析：",
        "地格数又称前运，影响人中年（36岁）以前的活动力。",
        "总格29的解析：",
        "总格又称后运，影响人中年（36岁）以后的命运。",
        "外格15的解析：",
        "外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
        "对三才数理的影响：",
        "您的姓名三才配置为：金土木。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        "金土木3（<font color=red>大吉</font>）",
        " → 详细解释：<br />",
        "1、总论:金土木5",
        "对基础运的影响",
        "金土木17",
        "对成功运的影响",
        "金土木18",
        "对人际关系的影响",
        "金土木19",
        "对性格的影响",
        "金土木20",
        "天格8有以下数理暗示",
        "人格15有以下数理暗示",
        "地格22有以下数理暗示",
        "总格29有以下数理暗示",
        "外格15有以下数理暗示",
        "总评及建议：<br />&nbsp;&nbsp;你的名字取得非常棒",
        "姓名五格评分：",
        ">100</span> 分",
    };
    std::size_t at = 0;
    for (const char* part : inOrder) {
        std::size_t found = page.find(part, at);
        ASSERT_NE(found, std::string::npos) << part;
        at = found + std::string_view(part).size();
    }
}

TEST_F(ReportPageTest, ScoreReportEscapesTheTypedName) {
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "李", "<明", evaluation);
    std::string page = FillScoreReport(evaluation);
    std::size_t row = page.find(">&lt;</span>");
    ASSERT_NE(row, std::string::npos);
    EXPECT_EQ(page.find("<明"), std::string::npos);
    // "<" is not in the character table: its row is there, with 0 strokes and empty texts.
    std::string unknownRow = page.substr(row, page.find("</tr>", row) - row);
    EXPECT_EQ(Count(unknownRow, "<td class=\"tdbgcolor\" align=\"center\">0</td>"), 2);
    EXPECT_EQ(Count(unknownRow, "<font color=\"#666666\"></font>"), 2);
    EXPECT_FALSE(HasUnfilledPlaceholder(page));
}

TEST_F(ReportPageTest, PageWritesReplaceTheWholeFile) {
    std::filesystem::path file = PageFile(m_dir.path(), 1);
    EXPECT_EQ(file.filename(), "temp1.html");
    EXPECT_EQ(PageFile(m_dir.path(), 0).filename(), "temp.html");
    ASSERT_TRUE(files::WriteFileAtomically(file, std::string(5000, 'x')));
    ASSERT_TRUE(WriteCharacterPage(m_db, "森", file));
    EXPECT_LT(ReadFile(file).size(), 5000u);
    EXPECT_FALSE(WriteCharacterPage(m_db, "森", m_dir.path() / "missing" / "temp.html"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A database that cannot be read ends the evaluation with DatabaseError before any page is
// written: the previous page stays, no page is made from half the data.
TEST_F(ReportPageTest, ReadErrorsWriteNoPage) {
    const std::filesystem::path file = PageFile(m_dir.path(), 0);
    ASSERT_TRUE(files::WriteFileAtomically(file, "previous"));
    struct Case {
        const char* name;
        const char* damage;
    };
    const Case cases[] = {
        {"three talents unreadable", "drop table NB_三才配置"},
        {"numbers unreadable", "drop table NB_八一灵动数"},
        {"characters unreadable", "drop table NB_CNWord"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(m_db.Execute(c.damage));
        NameEvaluation evaluation;
        EXPECT_THROW(DetailedEvaluation(m_db, "李", "明华", evaluation, file), DatabaseError);
        EXPECT_EQ(ReadFile(file), "previous");
    }
    EXPECT_THROW(CharacterPage(m_db, "森"), DatabaseError);
}

TEST_F(ReportPageTest, CharacterPageShowsTheRowOrOnlyTheCharacter) {
    ASSERT_TRUE(fixture::InsertRow(
        m_db, "NB_CNWord",
        {SqlValue::Int(99), SqlValue::Int(0), SqlValue::Text("森"), SqlValue::Text("森"),
         SqlValue::Text("森"), SqlValue::Int(12), SqlValue::Int(12), SqlValue::Text("sen"),
         SqlValue::Text("sēn"), SqlValue::Text("s"), SqlValue::Text("en"), SqlValue::Text("木"),
         SqlValue::Text("木"), SqlValue::Text("SSSU"), SqlValue::Text("树木多<BR>众多"),
         SqlValue::Text("详")}));
    std::filesystem::path file = m_dir.path() / "temp2.html";
    ASSERT_TRUE(WriteCharacterPage(m_db, "森", file));
    std::string page = ReadFile(file);
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    EXPECT_NE(page.find("<title>森</title>"), std::string::npos);
    EXPECT_NE(page.find(">sēn</span>"), std::string::npos);
    EXPECT_NE(page.find("简体笔划：</td><td>12</td>"), std::string::npos);
    EXPECT_NE(page.find("部首：</td><td>木</td>"), std::string::npos);
    EXPECT_NE(page.find("树木多<BR>众多"), std::string::npos);
    EXPECT_FALSE(HasUnfilledPlaceholder(page));

    std::string unknown = CharacterPage(m_db, "<\"");
    EXPECT_NE(unknown.find("<title>&lt;&quot;</title>"), std::string::npos);
    EXPECT_NE(unknown.find("简体笔划：</td><td></td>"), std::string::npos);
    EXPECT_FALSE(HasUnfilledPlaceholder(unknown));
}

TEST_F(ReportPageTest, SurnamePageOfAnUnknownSurnameHasEmptySections) {
    std::filesystem::path file = m_dir.path() / "temp5.html";
    ASSERT_TRUE(WriteSurnamePage(m_db, "欧阳", file));
    EXPECT_EQ(ReadFile(file),
              "<html>\r\n<head>\r\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
              "<title>百家姓_欧阳</title>\r\n</head>\r\n"
              "<body topmargin=\"30\" leftmargin=\"30\" rightmargin=\"30\" bottommargin=\"30\" "
              "bgcolor=\"#FFFFEC\">\r\n"
              "<font color=red size=5><b>欧阳</b></font><br>\r\n"
              "<br><b>姓氏起源</b>： <br><br><br><b>分布地域</b>： <br><br><br><b>历史名人</b>： "
              "<br><br>\r\n"
              "</body>\r\n</html>\r\n");

    ASSERT_TRUE(
        fixture::InsertRow(m_db, "NB_百家姓",
                           {SqlValue::Int(1), SqlValue::Text("李"), SqlValue::Text("源<BR>流"),
                            SqlValue::Text("陇西"), SqlValue::Text("李白")}));
    std::string page = SurnamePage(m_db, "李");
    EXPECT_NE(page.find("<br>源<BR>流<br><br><b>分布地域</b>： <br>陇西<br>"), std::string::npos);
    EXPECT_NE(page.find("<br>李白<br>"), std::string::npos);
    EXPECT_EQ(Count(SurnamePage(m_db, "\"<"), "&quot;&lt;"), 2);
}

// A surname is read as a surname where the database knows its reading; otherwise, and for the
// given name, the character's own reading stays.
TEST_F(ReportPageTest, SurnamesTakeTheirSurnameReading) {
    NameEvaluation evaluation;
    EvaluateInDetail(m_db, "李", "明华", evaluation);
    ASSERT_TRUE(m_db.Execute("create table NB_姓氏读音 (Id, 姓, 拼音1, 拼音2, 声母)"));
    ASSERT_TRUE(
        m_db.Execute("insert into NB_姓氏读音 values (1, '李', 'li', 'surname-li', 'l'),"
                     " (2, '李明', 'li ming', 'first second', 'l')"));
    EvaluateInDetail(m_db, "李", "明华", evaluation);
    EXPECT_EQ(evaluation.characters[kSurname1].pinyin, "surname-li");
    EXPECT_NE(evaluation.characters[kGiven2].pinyin, "surname-li");
    EvaluateInDetail(m_db, "李明", "华", evaluation);
    EXPECT_EQ(evaluation.characters[kSurname1].pinyin, "first");
    EXPECT_EQ(evaluation.characters[kSurname2].pinyin, "second");
    EvaluateInDetail(m_db, "王", "华", evaluation);  // not listed: the character's reading
    EXPECT_NE(evaluation.characters[kSurname1].pinyin, "surname-li");
}
