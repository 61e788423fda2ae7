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

// What name quality adds to a name's pages: the 名字品质 page (GBK HTML), and what the name
// means (寓意, GBK: "梓木、故乡；包容、涵养"; empty when none is known), which heads the first tab.
struct NameQualityParts {
    std::string page;
    std::string sense;
};

// Makes a name's quality parts from its evaluation. Name quality stands above numerology, so the
// program that puts the windows together hands the maker in; without one the 名字品质 tab stays
// empty and the report says no meaning.
using QualityPageMaker =
    std::function<NameQualityParts(SqliteDatabase& db, const NameEvaluation& evaluation,
                                   const std::string& gbkSurname, const std::string& gbkGivenName)>;

// Makes the pages of a name from the database and writes them to the page files of the data
// folder as well (temp.html, temp1.html .., temp5.html), so they can be opened outside the
// program; a page that cannot be written is no error. Throws DatabaseError when the database
// cannot be read.
NameDetailPages MakeNameDetailPages(SqliteDatabase& db, const std::filesystem::path& pagesFolder,
                                    const QString& surname, const QString& givenName,
                                    const QualityPageMaker& qualityPage = {});

}  // namespace numerology_ui
