#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/WriteFileAtomically.h"
#include "numerology/NameEvaluation.h"
#include "quality/NameQuality.h"

namespace quality {

// The findings as lines of text (GBK), in the order 寓意 (when the name's sense is known), 字级,
// 用字 (only when a character is unfit for a name), 词义 (only for a word of bad sense), 平仄,
// 谐音, 出处, then 八字喜用 when a chart was looked at; each begins with its heading and a
// full-width colon.
std::vector<std::string> NameQualityLines(const NameQuality& quality);

// The findings as a page of their own (GBK HTML), for the detail window's 名字品质 tab.
std::string NameQualityPage(const NameQuality& quality);

// The findings of a name the report window shows, held against the two elements the baby's
// birth chart asks for (favourable, GBK such as 木火; empty when no chart was looked at), with
// the given name's elements read from its evaluation. Throws DatabaseError.
NameQuality NameQualityOf(SqliteDatabase& db, const NameEvaluation& evaluation,
                          const std::string& surname, const std::string& givenName,
                          const std::string& favourable);

// The page of one name, evaluated and written to target in one step, as the detail window writes
// its other pages. Throws DatabaseError before writing anything when the database cannot be read.
files::WriteFileResult WriteNameQualityPage(SqliteDatabase& db, const std::string& surname,
                                            const std::string& givenName,
                                            const std::filesystem::path& target);

}  // namespace quality
