#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;

// The passages of the classics, the Tang poems and the Song ci that 典籍起名 draws names from.
namespace canon {

// A sentence (or a line of a long one) with where it stands; texts are GBK.
struct Passage {
    std::string collection;  // 诗经 楚辞 论语 孟子 大学 中庸 唐诗 宋词
    std::string piece;  // 郑风·子衿, a poem's title, a ci's 词牌; empty for 大学 and 中庸
    std::string author;  // empty where none is known
    std::string text;
};

// The collections offered, in the order their passages come: the classics as the canon orders
// them, then the Tang poems, then the Song ci.
const std::vector<std::string>& Collections();
// Those ticked when nothing is chosen: "女诗经，男楚辞".
const std::vector<std::string>& DefaultCollections();

// Hands the passages of the chosen collections to visit in their order (the classics as
// written, the Tang poems of the poets read most first, the ci searched most first) until visit
// returns false. A Tang poem is cut into passages as the builder cut the others. A database
// without the tables gives no passage. Throws DatabaseError when the database cannot be read.
void ForEachPassage(SqliteDatabase& db, const std::vector<std::string>& collections,
                    const std::function<bool(const Passage&)>& visit);

// The passages of a text: its sentences, or the lines of a sentence longer than 40 characters.
std::vector<std::string> PassagesOf(std::string_view text);

// Two characters of one passage, in its order, and whether they stand side by side in a line.
struct Pair {
    std::string first;
    std::string second;
    bool sideBySide;
};

// The characters of a passage that pass take(character), in its order, each once.
std::vector<std::string> CharactersOf(std::string_view passage,
                                      const std::function<bool(const std::string&)>& take);

// The pairs of a passage whose characters pass take(character), in the passage's order: those
// side by side within a line (sideBySide), or those apart; a character never pairs with itself.
std::vector<Pair> PairsOf(std::string_view passage, bool sideBySide,
                          const std::function<bool(const std::string&)>& take);

}  // namespace canon
