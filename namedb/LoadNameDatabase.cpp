#include "namedb/LoadNameDatabase.h"

#include "namedb/NameDatabaseSchema.h"

bool LoadNameDatabase(SqliteDatabase& db, const std::filesystem::path& databaseFile,
                      LoadFailureSink& sink) {
    if (!db.Open()) {
        sink.ShowLoadFailure("打开内存数据库失败！");
        return false;
    }
    auto fail = [&](const std::string& message) {
        db.Close();
        sink.ShowLoadFailure(message);
        return false;
    };
    const auto& tables = NameDatabaseTables();
    std::string error;
    for (const TableSchema& table : tables)
        if (!db.CreateTable(table.name, table.fields, &error)) return fail(error);
    if (!db.AttachDatabase(databaseFile, "new_db"))
        return fail("将磁盘数据库附加到内存数据库失败！");
    if (!db.Execute("BEGIN", &error)) return fail(error);
    for (const TableSchema& table : tables) {
        std::string copy = "insert into " + table.name + " select * from new_db." + table.name;
        if (!db.Execute(copy, &error)) return fail(error);
    }
    if (!db.Execute("COMMIT", &error)) return fail(error);
    db.DetachDatabase("new_db");
    if (!CheckLookupTablesFilled(db, error)) return fail(error);
    // Index failures leave the data usable, only slower; they are not reported.
    for (const char* index : {"CREATE INDEX NewIndex1 on NB_CNWord(汉字 ASC)",
                              "CREATE INDEX NumberIndex on NB_八一灵动数(Id ASC)",
                              "CREATE INDEX ThreeTalentIndex on NB_三才配置(三才 ASC)"})
        db.Execute(index);
    return true;
}
