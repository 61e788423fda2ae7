#include <gtest/gtest.h>

#include "knowledge/Articles.h"
#include "knowledge/PoemText.h"
#include "knowledge/TextBetween.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

class KnowledgeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture::OpenEmptyNameDatabase(m_db);
        // Two articles share a title across categories, and one category title has a quote.
        AddArticle("育儿百科", 1, "家居安全", "插座", "<p>插座要加盖</p>");
        AddArticle("育儿百科", 2, "家居安全", "窗台", "<p>窗台装护栏</p>");
        AddArticle("育儿百科", 3, "出行安全", "插座", "<p>另一篇</p>");
        AddArticle("育儿百科", 4, "说\"安全\"", "引号", "<p>引号里的分类</p>");
        AddArticle("算命风水", 1, "家居安全", "风水", "<p>不是育儿</p>");
        AddPoem(1, "送别", "王维", "下马饮君酒，问君何所之。君言不得意，归卧南山陲。");
        AddPoem(2, "送别", "李白", "寻阳五溪水，沿洄直入巫山里。");
        AddPoem(3, "题\"旧\"诗", "杜甫", "一句。");
        AddPoem(4, "送别", "李白", "第二首。");
    }
    void AddArticle(const std::string& table, int id, const std::string& category,
                    const std::string& title, const std::string& body) {
        ASSERT_TRUE(
            fixture::InsertRow(m_db, "NB_" + table,
                               {SqlValue::Int(id), SqlValue::Text("c"), SqlValue::Text(category),
                                SqlValue::Text(title), SqlValue::Text(body)}));
    }
    void AddPoem(int id, const std::string& title, const std::string& poet,
                 const std::string& text) {
        ASSERT_TRUE(fixture::InsertRow(m_db, "NB_全唐诗",
                                       {SqlValue::Int(id), SqlValue::Text(title),
                                        SqlValue::Text(poet), SqlValue::Text(text)}));
    }
    SqliteDatabase m_db;
};

TEST_F(KnowledgeTest, CategoryListsItsOwnTableInTableOrder) {
    using Titles = std::vector<std::string>;
    EXPECT_EQ(knowledge::ArticleTitles(m_db, "育儿百科", "家居安全"), (Titles{"插座", "窗台"}));
    EXPECT_EQ(knowledge::ArticleTitles(m_db, "算命风水", "家居安全"), (Titles{"风水"}));
    EXPECT_EQ(knowledge::ArticleTitles(m_db, "育儿百科", "说\"安全\""), (Titles{"引号"}));
    EXPECT_TRUE(knowledge::ArticleTitles(m_db, "育儿百科", "没有的分类").empty());
    // Only the two article tables ever reach the SQL text.
    EXPECT_TRUE(knowledge::ArticleTitles(m_db, "CNWord; drop table NB_CNWord", "x").empty());
}

TEST_F(KnowledgeTest, ArticlePageFillsTheTemplate) {
    EXPECT_EQ(knowledge::FillArticlePage("窗台", "<p>窗台装护栏</p>"),
              "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
              "<title>窗台</title>\r\n</head>\r\n<body topmargin=\"10\" leftmargin=\"10\" "
              "rightmargin=\"3\" bottommargin=\"3\" bgcolor=\"#FFFFEC\">\r\n"
              "<CENTER><H1>窗台</H1></CENTER>\r\n<p>窗台装护栏</p>\r\n</body>\r\n</html>");
    // A shared title shows the first article the table holds with it.
    EXPECT_EQ(knowledge::ArticleBody(m_db, "育儿百科", "插座"), "<p>插座要加盖</p>");
    EXPECT_EQ(knowledge::ArticleBody(m_db, "育儿百科", "没有"), "");

    EXPECT_EQ(knowledge::ArticlePage(m_db, "算命风水", "风水"),
              knowledge::FillArticlePage("风水", "<p>不是育儿</p>"));
}

TEST_F(KnowledgeTest, PoemIsFoundByTitleAndPoet) {
    EXPECT_EQ(knowledge::PoemText(m_db, "送别", "李白"), "寻阳五溪水，沿洄直入巫山里。");
    EXPECT_EQ(knowledge::PoemText(m_db, "送别", "王维"),
              "下马饮君酒，问君何所之。君言不得意，归卧南山陲。");
    EXPECT_EQ(knowledge::PoemText(m_db, "题\"旧\"诗", "杜甫"), "一句。");
    EXPECT_EQ(knowledge::PoemText(m_db, "送别", "杜甫"), "");
}

// Two poems of one title by one poet: each is shown by its own Id, and an Id of another poem
// shows nothing.
TEST_F(KnowledgeTest, PoemIsShownByItsId) {
    EXPECT_EQ(knowledge::PoemText(m_db, 2, "送别", "李白"), "寻阳五溪水，沿洄直入巫山里。");
    EXPECT_EQ(knowledge::PoemText(m_db, 4, "送别", "李白"), "第二首。");
    EXPECT_EQ(knowledge::PoemText(m_db, 1, "送别", "李白"), "");
}

TEST_F(KnowledgeTest, PoemHtmlBreaksAfterEveryFullStop) {
    EXPECT_EQ(knowledge::PoemHtml("王维", "送别", "下马饮君酒，问君何所之。君言不得意。"),
              "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
              "charset=gb2312\"><title>王维:送别</title></head><body><b>王维:送别</b><br><br>"
              "下马饮君酒，问君何所之。<br>君言不得意。<br></body></html>");
    // 。 is A1 A3 in GBK; 隆 (C2 A1) followed by ！ (A3 A1) holds the same two bytes across the
    // characters and must stay as it is.
    const std::string straddling = "\xC2\xA1\xA3\xA1";
    const std::string page = knowledge::PoemHtml("a", "b", straddling);
    EXPECT_NE(page.find("<br><br>" + straddling + "</body>"), std::string::npos) << page;
}

TEST(TextBetween, FollowsTheSplitRule) {
    struct Case {
        const char* text;
        const char* start;
        const char* end;
        const char* expected;
    } cases[] = {
        {"a[x]b[y]", "[", "]", "x"},  // the first start, the next end
        {"a[x", "[", "]", "x"},       // no end: to the end of the text
        {"a x]", "[", "]", ""},       // no start
        {"[]", "[", "]", ""},         // nothing between
        {"a[[x]]", "[", "]", "[x"},   // the second start is text
        {"abc", "", "c", ""},         // an empty start is never found
        {"a[xyz", "[", "", "xyz"},    // an empty end never cuts
    };
    for (const Case& c : cases)
        EXPECT_EQ(knowledge::textBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(TextBetween, SoundAddressIsVerbatim) {
    EXPECT_EQ(knowledge::PronunciationSoundAddress(
                  "<p><a href=\"#\" url=\"http://h/s/Mary%20Ann.mp3\">x</a>"
                  "<a href=\"#\" url=\"other.mp3\">"),
              "http://h/s/Mary%20Ann.mp3");
    EXPECT_EQ(knowledge::PronunciationSoundAddress("<a href=\"#\" url=\"/s/kate"), "/s/kate.mp3");
    EXPECT_EQ(knowledge::PronunciationSoundAddress("<a href=\"#\">kate.mp3</a>"), "");
}

}  // namespace
