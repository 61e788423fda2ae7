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
    std::vector<const OptionalTable*> copied;
    bool keepAttached = false;
    for (const OptionalTable& table : OptionalNameDatabaseTables()) {
        bool present = false;
        {
            Statement found =
                db.Prepare("select 1 from new_db.sqlite_master where type='table' and name=?1",
                           {SqlValue::Text(table.name)});
            present = found.Next();
            if (found.Failed()) return fail(found.ErrorText());
        }
        if (!present) continue;
        if (table.readInPlace) {
            keepAttached = true;
            continue;
        }
        const std::string copy =
            "create table " + table.name + " as select * from new_db." + table.name;
        if (!db.Execute(copy, &error)) return fail(error);
        copied.push_back(&table);
    }
    if (!db.Execute("COMMIT", &error)) return fail(error);
    // A table read in place is found through the attached file, whose own indexes serve it.
    if (!keepAttached) db.DetachDatabase("new_db");
    if (!CheckLookupTablesFilled(db, error)) return fail(error);
    // Index failures leave the data usable, only slower; they are not reported.
    for (const char* index : {"CREATE INDEX NewIndex1 on NB_CNWord(汉字 ASC)",
                              "CREATE INDEX NumberIndex on NB_八一灵动数(Id ASC)",
                              "CREATE INDEX ThreeTalentIndex on NB_三才配置(三才 ASC)"})
        db.Execute(index);
    for (const OptionalTable* table : copied)
        for (const std::string& index : table->indexes) db.Execute(index);
    return true;
}
