#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/WriteFileAtomically.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/NameEvaluation.h"

using TemplateValues = std::vector<std::pair<std::string, std::string>>;

// Replaces every occurrence of each placeholder by its value, earlier pairs taking precedence
// where two would match at one place. Values are inserted as they are and never searched again,
// so a value that looks like a placeholder stays as typed.
std::string FillTemplate(std::string_view pageTemplate, const TemplateValues& values);

// &, <, >, " and ' as entities, for texts the user typed. None of these bytes can be the second
// byte of a GBK character, so the text stays valid GBK.
std::string HtmlEscape(std::string_view text);

// The score report of a detailed evaluation.
std::string FillScoreReport(const NameEvaluation& evaluation);

// The pages below read the database and throw DatabaseError when it cannot be read, before
// anything is written: a page is never written from half its data. They are written with
// files::WriteFileAtomically, so a failed write leaves the previous page whole.

// The character page of one character, written to target (temp.html for the dictionary,
// temp1.html .. temp4.html for the characters of a name).
std::string CharacterPage(SqliteDatabase& db, const std::string& character);
files::WriteFileResult WriteCharacterPage(SqliteDatabase& db, const std::string& character,
                                          const std::filesystem::path& target);

// The surname page, written to target (temp5.html).
std::string SurnamePage(SqliteDatabase& db, const std::string& surname);
files::WriteFileResult WriteSurnamePage(SqliteDatabase& db, const std::string& surname,
                                        const std::filesystem::path& target);

// The page files in a data folder: temp.html (number 0) and temp1.html .. temp5.html.
std::filesystem::path PageFile(const std::filesystem::path& pagesFolder, int number);
