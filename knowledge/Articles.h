#pragma once

#include <string>
#include <vector>

#include "namedb/SqliteDatabase.h"

// The reading room's articles: NB_育儿百科 (parenting) and NB_算命风水 (fortune-telling), each
// article a title and an HTML body under a category title.
namespace knowledge {

// Whether table is one of the two article tables (育儿百科, 算命风水), named without their NB_
// prefix as the menus name them. A table name cannot be bound as a value, so only these two
// ever reach the SQL text.
bool IsArticleTable(const std::string& table);

// The titles of the category's articles in the order the table holds them; empty for a category
// without articles or a table that is not one of the two. Throws DatabaseError when the table
// cannot be read.
std::vector<std::string> ArticleTitles(SqliteDatabase& db, const std::string& table,
                                       const std::string& category);

// The body of the first article of the table with this title; "" when there is none. Articles are
// found by title within their table, as the list shows titles only.
std::string ArticleBody(SqliteDatabase& db, const std::string& table, const std::string& title);

// The article page: the template with the title (twice) and the body, which is HTML and goes in
// as it is.
std::string FillArticlePage(const std::string& title, const std::string& body);

// The page of the article with this title, read from the table.
std::string ArticlePage(SqliteDatabase& db, const std::string& table, const std::string& title);

}  // namespace knowledge
