#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generation/GenerationObserver.h"

namespace quality {
class NameQualityChecker;
}

// 只用常用字: keeps the characters of level 1 of the standard list that are fit for a name (not
// 蚊, 贫, 愚), in their order. A database without the level table keeps every character it does
// not call unfit, since it cannot tell.
void KeepCommonCharacters(std::vector<std::string>& characters,
                          quality::NameQualityChecker& checker);

// Where a name stands among the names of its score: names a parent gives first, then names with a
// plain character (one that reads as an everyday word: 笔 评 机), then names with findings.
enum class NameTier : std::uint8_t { Given = 0, Plain = 1, WithFindings = 2 };

// Within each score, names without findings (level-1 characters fit for a name, tones that rise and
// fall, no unfortunate sound) come first; the rows stay sorted by score, highest first, and each
// group keeps the order in which its rows were found. Column 1 is surname + given name.
void OrderByNameQuality(std::vector<ResultRow>& rows, const std::string& surname,
                        quality::NameQualityChecker& checker);

// The same order by tiers the caller knows already (tiers[k] for rows[k], one per row).
void OrderByTier(std::vector<ResultRow>& rows, const std::vector<NameTier>& tiers);

// How a 典籍 name was drawn, best first: two characters side by side in a line that parents give
// a child of this sex (琼瑶 清扬), any other two side by side, two such characters apart in one
// passage (静姝 of 静女其姝), and names holding a classical particle (兮 之 其 …) or a plain
// character.
enum class CanonTier : std::uint8_t { Named = 0, SideBySide = 1, Apart = 2, Particle = 3 };

// 典籍起名's order: by how the name was drawn, then by score, highest first, then by tier, then
// in the order found (canonTiers[k] and tiers[k] for rows[k]).
void OrderCanonNames(std::vector<ResultRow>& rows, const std::vector<CanonTier>& canonTiers,
                     const std::vector<NameTier>& tiers);
