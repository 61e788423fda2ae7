#include "knowledge/PoemText.h"

#include "numerology/GbkTextSearch.h"

namespace knowledge {

namespace {
// Columns of select * on NB_全唐诗: Id, 标题, 作者, 内容, 首字母, 内容长度.
constexpr int kTextColumn = 3;
}  // namespace

std::string PoemText(SqliteDatabase& db, const std::string& title, const std::string& poet) {
    Statement rows = db.Prepare("select * from NB_全唐诗 where 标题=?1 and 作者=?2",
                                {SqlValue::Text(title), SqlValue::Text(poet)});
    if (rows.Next()) return rows.Text(kTextColumn);
    if (rows.Failed()) throw DatabaseError(rows.ErrorText());
    return {};
}

std::string PoemText(SqliteDatabase& db, long long id, const std::string& title,
                     const std::string& poet) {
    Statement rows = db.Prepare("select * from NB_全唐诗 where Id=?1 and 标题=?2 and 作者=?3",
                                {SqlValue::Int(id), SqlValue::Text(title), SqlValue::Text(poet)});
    if (rows.Next()) return rows.Text(kTextColumn);
    if (rows.Failed()) throw DatabaseError(rows.ErrorText());
    return {};
}

std::string PoemHtml(const std::string& poet, const std::string& title, const std::string& text) {
    const std::string heading = poet + ":" + title;
    // Searched character by character: the two bytes of 。 can also end one character and begin
    // the next.
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=gb2312\"><title>" +
           heading + "</title></head><body><b>" + heading + "</b><br><br>" +
           GbkReplaceAll(text, "。", "。<br>") + "</body></html>";
}

std::string PoemHtml(SqliteDatabase& db, const std::string& poet, const std::string& title) {
    return PoemHtml(poet, title, PoemText(db, title, poet));
}

}  // namespace knowledge
