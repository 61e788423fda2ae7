#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "numerology/ui/NameDetailWindow.h"

class SqliteDatabase;

namespace numerology_ui {

// The name database when it has loaded; nullptr when it could not be loaded.
using DatabaseSource = std::function<SqliteDatabase*()>;

// Makes the pages of a name from the database and writes them to the page files of the data
// folder as well (temp.html, temp1.html .., temp5.html), so they can be opened outside the
// program; a page that cannot be written is no error. Throws DatabaseError when the database
// cannot be read. favourableElements: the two elements the baby's birth chart asks for (木火),
// which the 名字品质 page holds the given name against; empty when no chart was looked at.
NameDetailPages MakeNameDetailPages(SqliteDatabase& db, const std::filesystem::path& dataFolder,
                                    const QString& surname, const QString& givenName,
                                    const QString& favourableElements = QString());

}  // namespace numerology_ui
