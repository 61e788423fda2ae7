#include "knowledge/Articles.h"

#include "numerology/ReportPages.h"

namespace knowledge {

namespace {

const char* const kParentingTable = "育儿百科";
const char* const kFortuneTable = "算命风水";

constexpr const char* kArticleTemplate =
    "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
    "<title>{文章标题}</title>\r\n</head>\r\n"
    "<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" "
    "bgcolor=\"#FFFFEC\">\r\n<CENTER><H1>{文章标题}</H1></CENTER>\r\n{文章内容}\r\n</body>\r\n"
    "</html>";

// Columns of select * on an article table: ID, 分类ID, 分类标题, 标题, 内容.
constexpr int kTitleColumn = 3;
constexpr int kBodyColumn = 4;

void ThrowIfFailed(const Statement& statement) {
    if (statement.Failed()) throw DatabaseError(statement.ErrorText());
}

}  // namespace

bool IsArticleTable(const std::string& table) {
    return table == kParentingTable || table == kFortuneTable;
}

std::vector<std::string> ArticleTitles(SqliteDatabase& db, const std::string& table,
                                       const std::string& category) {
    std::vector<std::string> titles;
    if (!IsArticleTable(table)) return titles;
    Statement rows =
        db.Prepare("select * from NB_" + table + " where 分类标题=?1", {SqlValue::Text(category)});
    while (rows.Next()) titles.push_back(rows.Text(kTitleColumn));
    ThrowIfFailed(rows);
    return titles;
}

std::string ArticleBody(SqliteDatabase& db, const std::string& table, const std::string& title) {
    if (!IsArticleTable(table)) return {};
    Statement rows =
        db.Prepare("select * from NB_" + table + " where 标题=?1", {SqlValue::Text(title)});
    if (rows.Next()) return rows.Text(kBodyColumn);
    ThrowIfFailed(rows);
    return {};
}

std::string FillArticlePage(const std::string& title, const std::string& body) {
    return FillTemplate(kArticleTemplate, {{"{文章标题}", title}, {"{文章内容}", body}});
}

std::string ArticlePage(SqliteDatabase& db, const std::string& table, const std::string& title) {
    return FillArticlePage(title, ArticleBody(db, table, title));
}

}  // namespace knowledge
