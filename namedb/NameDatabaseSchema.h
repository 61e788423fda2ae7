#pragma once

#include <string>
#include <vector>

#include "namedb/SqliteDatabase.h"

// The nine tables of the name database, in the order they are created and copied. Every reader
// addresses columns by position in a "select *" result, so this column order is the file format.
struct TableSchema {
    std::string name;
    std::vector<FieldDef> fields;
};

const std::vector<TableSchema>& NameDatabaseTables();
