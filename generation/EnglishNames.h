#pragma once

#include <string>
#include <vector>

#include "generation/GenerationObserver.h"

class SqliteDatabase;

// The initial of a Chinese character's syllable: its 声母 in lower case, or, when that is empty,
// the first letter of its 拼音1 as stored. "" for a character NB_CNWord lacks.
std::string LookupChineseInitial(SqliteDatabase& database, const std::string& character);

// The key under which English names are filed for a Chinese initial: a->i, c->s, j->g, k->ch,
// o->a, q->ch, x->sh, y->e, z->th; every other text (b, zh, sh ...) stays as it is.
std::string EnglishInitial(const std::string& chineseInitial);

// The rows of 超级列表框_英文列表 for an initial and a sex code (1 男性化, 2 女性化, 3 中性化), in
// table order and numbered from 1: 编号, Name, Cnword, Mean. A name is filed under its EIndex2, or
// under its EIndex when EIndex2 is empty. An empty initial lists nothing.
std::vector<ResultRow> ListEnglishNames(SqliteDatabase& database, const std::string& initial,
                                        int sex);
