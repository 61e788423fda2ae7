#include "quality/QualityTables.h"

namespace quality {

std::optional<Statement> PrepareIfPresent(SqliteDatabase& db, const std::string& sql,
                                          const std::vector<SqlValue>& values) {
    Statement statement = db.Prepare(sql, values);
    if (statement.Failed() && statement.ErrorText().find("no such table") != std::string::npos)
        return std::nullopt;
    return statement;
}

}  // namespace quality
