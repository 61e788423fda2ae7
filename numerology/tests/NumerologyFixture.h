#pragma once

#include <string>

#include "namedb/SqliteDatabase.h"
#include "namedb/tests/FixtureDatabase.h"

// Rows of the number tables for numerology tests; texts the tests do not look at are derived
// from the key so that a wrong column shows.
namespace numerology_fixture {

inline bool InsertNumber(SqliteDatabase& db, int number, const std::string& rating) {
    std::string n = std::to_string(number);
    return fixture::InsertRow(
        db, "NB_八一灵动数",
        {SqlValue::Int(number), SqlValue::Text(rating), SqlValue::Text("一" + n),
         SqlValue::Text("二" + n), SqlValue::Text("三" + n), SqlValue::Text("业" + n),
         SqlValue::Text("家" + n), SqlValue::Text("康" + n), SqlValue::Text("义" + n),
         SqlValue::Text("甲" + n + "|乙" + n)});
}

inline bool InsertThreeTalents(SqliteDatabase& db, const std::string& key,
                               const std::string& rating) {
    std::vector<SqlValue> values = {SqlValue::Int(1), SqlValue::Text(key), SqlValue::Text(rating)};
    for (int column = 3; column <= 20; ++column)
        values.push_back(SqlValue::Text(key + std::to_string(column)));
    return fixture::InsertRow(db, "NB_三才配置", values);
}

}  // namespace numerology_fixture
