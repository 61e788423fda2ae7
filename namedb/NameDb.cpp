#include "namedb/NameDb.h"

SqliteDatabase& NameDb() {
    static SqliteDatabase database;
    return database;
}
