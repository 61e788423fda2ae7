#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "namedb/SqliteDatabase.h"

namespace quality {

// A statement on one of the tables beside the nine (the character levels, the poem index, the
// surname readings), or nullopt when the database lacks that table: a file built before them
// still scores and names, and only reports no level, no source, or the dictionary's reading.
// Every other failure stays in the statement, for NextOrThrow to report.
std::optional<Statement> PrepareIfPresent(SqliteDatabase& db, const std::string& sql,
                                          const std::vector<SqlValue>& values);

// One of the lists the builder packs for runs (NB_用字名单: 用字判定, 不宜字, 不宜词), as the GBK
// text it stores; empty when the database lacks the table or the list.
std::string ReadPackedList(SqliteDatabase& db, const std::string& name);

// Hands each line of a packed list to take(key, rest): the line cut at its first tab, or whole
// (rest empty) when it has none. Tabs and line ends never stand inside a GBK character, whose
// second byte is 0x40 or above.
template <typename Take>
void ForEachPackedLine(std::string_view text, char lineEnd, Take take) {
    while (!text.empty()) {
        const size_t end = std::min(text.find(lineEnd), text.size());
        const std::string_view line = text.substr(0, end);
        const size_t tab = lineEnd == '\t' ? std::string_view::npos : line.find('\t');
        if (!line.empty()) {
            if (tab != std::string_view::npos)
                take(line.substr(0, tab), line.substr(tab + 1));
            else
                take(line, std::string_view());
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace quality
