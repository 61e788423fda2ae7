#pragma once

#include <string>

#include "namedb/SqliteDatabase.h"

namespace knowledge {

// The text of the poem with this title by this poet in NB_全唐诗; "" when there is none. Many
// titles (送别, 春怨) were used by several poets, so the title alone would show another poet's
// poem under the chosen poet's name. Throws DatabaseError when the table cannot be read.
std::string PoemText(SqliteDatabase& db, const std::string& title, const std::string& poet);
// The text of the poem with this Id, as long as its title and poet are these; "" otherwise. A
// poet may have several poems of one title (句), and the list tells them apart by their Id.
std::string PoemText(SqliteDatabase& db, long long id, const std::string& title,
                     const std::string& poet);

// The poem page: poet and title as heading and window title, the text broken after every "。".
std::string PoemHtml(const std::string& poet, const std::string& title, const std::string& text);

// The page of the poem with this title by this poet, read from NB_全唐诗.
std::string PoemHtml(SqliteDatabase& db, const std::string& poet, const std::string& title);

}  // namespace knowledge
