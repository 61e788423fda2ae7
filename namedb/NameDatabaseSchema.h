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

// Whether the three lookup tables every score reads (NB_CNWord, NB_八一灵动数, NB_三才配置) hold
// rows. An emptied table would score every name 0 without a word, so both ways of opening the
// database refuse it; message receives why (GBK), also when the tables cannot be read.
bool CheckLookupTablesFilled(SqliteDatabase& db, std::string& message);
