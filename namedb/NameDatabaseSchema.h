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

// Tables beside the nine that a newer file holds (character levels, the poem-line index, surname
// readings), with the index each lookup needs. The loader copies each one the file has, as the
// file has it; their readers take a missing table as "not known", so an older file still loads.
struct OptionalTable {
    std::string name;
    std::vector<std::string> indexes;  // "create index" statements run after the copy
    // Left in the file, which then stays attached, instead of copied into memory: a large table
    // read a row at a time (a name's source) costs the load and the memory nothing.
    bool readInPlace = false;
};
const std::vector<OptionalTable>& OptionalNameDatabaseTables();

// Whether the three lookup tables every score reads (NB_CNWord, NB_八一灵动数, NB_三才配置) hold
// rows. An emptied table would score every name 0 without a word, so both ways of opening the
// database refuse it; message receives why (GBK), also when the tables cannot be read.
bool CheckLookupTablesFilled(SqliteDatabase& db, std::string& message);
