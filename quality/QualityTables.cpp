#include "quality/QualityTables.h"

namespace quality {

std::optional<Statement> PrepareIfPresent(SqliteDatabase& db, const std::string& sql,
                                          const std::vector<SqlValue>& values) {
    Statement statement = db.Prepare(sql, values);
    if (statement.Failed() && statement.ErrorText().find("no such table") != std::string::npos)
        return std::nullopt;
    return statement;
}

std::string ReadPackedList(SqliteDatabase& db, const std::string& name) {
    std::optional<Statement> list =
        PrepareIfPresent(db, "select 内容 from NB_用字名单 where 名单=?1", {SqlValue::Text(name)});
    return list && list->NextOrThrow() ? list->Bytes(0) : std::string();
}

}  // namespace quality
