#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "namedb/SqliteDatabase.h"

// The columns of NB_CNWord, the character dictionary, in the order of the file format. Every
// reader of the table goes through ReadCharacterRow, so a column is numbered in this one place.
enum class CharacterColumn : int {
    Id,
    Code,
    Character,            // 汉字
    Simplified,           // 简体
    Traditional,          // 繁体
    SimplifiedStrokes,    // 简体笔画数
    TraditionalStrokes,   // 繁体笔画数
    Pinyin1,              // 拼音1: the reading with tone letters
    Pinyin2,              // 拼音2: the reading the pages show
    Initial,              // 声母
    Final,                // 韵母
    Radical,              // 部首
    Element,              // 五行属性
    Wubi,                 // 五笔
    BasicExplanation,     // 基本解释
    DetailedExplanation,  // 详细解释
    Count
};

// One row of NB_CNWord as GBK texts and numbers; a NULL reads as "" or 0.
struct CharacterRow {
    std::string character;
    std::string simplified;
    std::string traditional;
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string pinyin1;
    std::string pinyin2;
    std::string initial;
    std::string finalSound;
    std::string radical;
    std::string element;
    std::string wubi;
    std::string basicExplanation;
    std::string detailedExplanation;
};

// The column names of NB_CNWord (GBK), indexed by CharacterColumn.
const std::string& CharacterColumnName(CharacterColumn column);

// The statement "select * from NB_CNWord where 汉字=?" for one character, not yet stepped.
Statement PrepareCharacterQuery(SqliteDatabase& db, const std::string& character);

// The row the statement stands on; the statement's columns are those of NB_CNWord.
CharacterRow ReadCharacterRow(const Statement& statement);

// The first row of the character, or nullopt when the dictionary lacks it. A database that cannot
// be read throws DatabaseError: a character that is missing and one that could not be read must
// never look alike.
std::optional<CharacterRow> FetchCharacterRow(SqliteDatabase& db, const std::string& character);

// The columns a naming run reads of one character: strokes and element to score with, and the
// reading (拼音2) that the findings on its names hear.
struct CharacterEssentials {
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string element;
    std::string reading;
};

// The essentials of every given character the dictionary holds, keyed by the character, read with
// one statement (a few when there are more characters than a statement may carry parameters). A
// character held twice answers with its first row, as FetchCharacterRow does; one the dictionary
// lacks has no entry. A database that cannot be read throws DatabaseError.
std::unordered_map<std::string, CharacterEssentials> FetchCharacterEssentials(
    SqliteDatabase& db, const std::vector<std::string>& characters);

// Runs "select <columns> from <table> where 汉字=?" for each distinct given character, in the
// order of their codes, and hands every row to row(statement); a character's rows arrive in rowid order.
// Throws DatabaseError when the database cannot be read. The SQL is GBK, the table and columns
// fixed by the caller.
void ForEachCharacterRow(SqliteDatabase& db, const std::string& columns, const std::string& table,
                         const std::vector<std::string>& characters,
                         const std::function<void(const Statement&)>& row);
