#include "namedb/OpenNameDatabaseFile.h"

#include "namedb/NameDatabaseSchema.h"
#include "text/Gbk.h"

bool OpenNameDatabaseFile(SqliteDatabase& db, const std::filesystem::path& databaseFile,
                          LoadFailureSink& sink) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(databaseFile, error) || !db.OpenReadOnly(databaseFile)) {
        auto path = databaseFile.u8string();
        sink.ShowLoadFailure(
            "无法打开名字数据库文件: " +
            text::Utf8ToGbk({reinterpret_cast<const char*>(path.data()), path.size()}));
        return false;
    }
    auto fail = [&](const std::string& message) {
        db.Close();
        sink.ShowLoadFailure(message);
        return false;
    };
    for (const TableSchema& table : NameDatabaseTables()) {
        Statement columns = db.Prepare("select * from " + table.name + " limit 0");
        if (columns.Failed()) return fail(columns.ErrorText());
        int count = columns.ColumnCount();
        if (count != int(table.fields.size()))
            return fail("table " + table.name + " has " + std::to_string(count) + " columns but " +
                        std::to_string(table.fields.size()) + " were expected");
    }
    std::string message;
    if (!CheckLookupTablesFilled(db, message)) return fail(message);
    return true;
}
