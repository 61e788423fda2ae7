#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "numerology/NameEvaluation.h"
#include "numerology/ui/NameDetailWindow.h"

class SqliteDatabase;

namespace numerology_ui {

// The name database when it has loaded; nullptr when it could not be loaded.
using DatabaseSource = std::function<SqliteDatabase*()>;

// Makes the 名字品质 page of a name (GBK HTML) from its evaluation. Name quality stands above
// numerology, so the program that puts the windows together hands the maker in; without one the
// tab stays empty.
using QualityPageMaker =
    std::function<std::string(SqliteDatabase& db, const NameEvaluation& evaluation,
                              const std::string& gbkSurname, const std::string& gbkGivenName)>;

// Makes the pages of a name from the database and writes them to the page files of the data
// folder as well (temp.html, temp1.html .., temp5.html), so they can be opened outside the
// program; a page that cannot be written is no error. Throws DatabaseError when the database
// cannot be read.
NameDetailPages MakeNameDetailPages(SqliteDatabase& db, const std::filesystem::path& pagesFolder,
                                    const QString& surname, const QString& givenName,
                                    const QualityPageMaker& qualityPage = {});

}  // namespace numerology_ui
