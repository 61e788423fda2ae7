#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quality/CharacterFitness.h"

class SqliteDatabase;

// The Tang poems of the 诗词 mode: the poets, each poet's poems and the characters of the poem
// the user picks. Texts are GBK.
namespace poem_catalog {

// One poem as the poem list shows it. The id tells apart the many poems that share a title,
// even with one poet (句 alone has hundreds).
struct PoemTitle {
    long long id = 0;
    std::string title;
};

struct Poem {
    long long id = 0;
    std::string title;
    std::string poet;
    std::string content;  // 内容
    std::string marks;    // 首字母: the characters the poem suggests for names
};

// One character box of a picked poem: its caption and whether it starts ticked.
struct PoemCharacter {
    std::string character;
    bool ticked = false;
};

// The poets in the order of NB_Poet.OrderId.
std::vector<std::string> ListPoets(SqliteDatabase& db);
// The poet's poems in table order.
std::vector<PoemTitle> ListPoems(SqliteDatabase& db, const std::string& poet);
// The poem the user picked, found by its id, title and poet together; nullopt when no row
// matches all three.
std::optional<Poem> FindPoem(SqliteDatabase& db, const PoemTitle& title, const std::string& poet);
// The poem's characters in reading order without "，" and "。", repeated characters once per
// occurrence, each ticked when it is among the marks and fit for a name for a child of this sex.
std::vector<PoemCharacter> PoemCharacters(const Poem& poem,
                                          const quality::CharacterFitnessTable& fitness,
                                          quality::ChildSex sex);

}  // namespace poem_catalog
