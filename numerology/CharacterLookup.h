#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterRecord.h"
#include "numerology/CharacterTable.h"

// The characters of a GBK text in order. Half-width spaces and full-width spaces (A1 A1) are
// dropped; a byte above 122 opens a two-byte piece, any other byte is a piece of its own. A lead
// byte at the very end has no partner and yields no piece.
std::vector<std::string> SplitCharacters(std::string_view text);
// The same into a vector the caller keeps, reusing its strings, so that a loop that splits
// millions of names does not allocate.
void SplitCharactersInto(std::string_view text, std::vector<std::string>& pieces);

// Whether two bytes are one of GB 2312's Chinese characters, which every register, bank and
// airline system prints.
inline bool IsGb2312Hanzi(unsigned char lead, unsigned char trail) {
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}
// Whether two bytes are a Chinese character of GBK (GB 2312's character rows or the GBK
// extensions), as opposed to its punctuation, full-width letters and private areas.
bool IsChineseCharacter(unsigned char lead, unsigned char trail);
// Whether text is one or two Chinese characters and nothing else, as a surname, a given name or
// a generation character must be. Full-width letters, digits and symbols are not characters of
// a name, and neither is a sign GBK lacks (it arrives as "?").
bool IsOneOrTwoChineseCharacters(std::string_view gbk);
// A surname or given name as typed: its characters with the spaces dropped, or nullopt when they
// are not one or two Chinese characters (a third character, a letter or an emoji would score as
// a character of 0 strokes or not at all).
std::optional<std::string> NamePartCharacters(std::string_view text);

// The character's row of NB_CNWord, accepted only with a non-empty 五行属性 and a non-zero
// 简体笔画数; otherwise the record keeps its defaults (character is always set). Like every
// lookup below it throws DatabaseError when the database cannot be read.
CharacterRecord FetchCharacter(SqliteDatabase& db, const std::string& character);

// The first entry of a generation character table whose character equals the text byte for byte.
std::optional<CharacterRecord> FindInTable(const CharacterTable& table, std::string_view character);
std::optional<CharacterRecord> FindInTable(const std::vector<CharacterRecord>& table,
                                           std::string_view character);

// 1,2 木; 3,4 火; 5,6 土; 7,8 金; 9,0 水 by the last digit; "" for negative numbers.
std::string ElementOfNumber(int number);

NumberRecord LookupNumber(SqliteDatabase& db, int number);
ThreeTalentRecord LookupThreeTalents(SqliteDatabase& db, const std::string& key);
