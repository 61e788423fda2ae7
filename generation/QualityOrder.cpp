#include "generation/QualityOrder.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "generation/FinishResultList.h"
#include "numerology/CharacterLookup.h"
#include "quality/NameQuality.h"

void KeepCommonCharacters(std::vector<std::string>& characters,
                          quality::NameQualityChecker& checker) {
    checker.ReadAllLevels();
    std::erase_if(characters,
                  [&](const std::string& character) { return !checker.IsCommonAndFit(character); });
}

void OrderByNameQuality(std::vector<ResultRow>& rows, const std::string& surname,
                        quality::NameQualityChecker& checker) {
    // The facts of all the given names' characters, read in one go: a long list holds tens of
    // thousands of names over a few hundred characters.
    const auto givenOf = [&](const ResultRow& row) {
        const std::string_view name = row[1];
        return name.substr(0, surname.size()) == surname ? name.substr(surname.size()) : name;
    };
    std::vector<std::string> characters;
    std::unordered_set<std::string> seen;
    std::vector<std::string> pieces;
    for (const ResultRow& row : rows) {
        SplitCharactersInto(givenOf(row), pieces);
        for (const std::string& character : pieces)
            if (seen.insert(character).second) characters.push_back(character);
    }
    checker.ReadCharacters(characters);
    std::vector<NameTier> tiers;
    tiers.reserve(rows.size());
    std::string given;
    for (const ResultRow& row : rows) {
        given = givenOf(row);
        tiers.push_back(checker.HasFindings(given) ? NameTier::WithFindings : NameTier::Given);
    }
    OrderByTier(rows, tiers);
}

void OrderCanonNames(std::vector<ResultRow>& rows, const std::vector<CanonTier>& canonTiers,
                     const std::vector<NameTier>& tiers) {
    std::vector<std::uint64_t> keys;
    keys.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const long long score = std::clamp(rows[k].NumberIn(7), -(1LL << 25), (1LL << 25) - 1);
        const std::uint64_t rank = static_cast<std::uint64_t>((1LL << 25) - 1 - score);
        const auto drawn =
            static_cast<std::uint64_t>(k < canonTiers.size() ? canonTiers[k] : CanonTier::Particle);
        const auto tier = static_cast<std::uint64_t>(k < tiers.size() ? tiers[k] : NameTier::Given);
        keys.push_back(drawn << 60 | rank << 34 | tier << 32 | k);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint32_t> order(rows.size());
    for (size_t k = 0; k < keys.size(); ++k) order[k] = static_cast<std::uint32_t>(keys[k]);
    PermuteRows(rows, order);
}

void OrderByTier(std::vector<ResultRow>& rows, const std::vector<NameTier>& tiers) {
    // One number per row sorts it: the score, highest first, then the tier, then the order
    // found, so that a plain sort keeps each group in that order.
    std::vector<std::uint64_t> keys;
    keys.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const long long score = std::clamp(rows[k].NumberIn(7), -(1LL << 29), (1LL << 29) - 1);
        const std::uint64_t rank = static_cast<std::uint64_t>((1LL << 29) - 1 - score);
        const auto tier = static_cast<std::uint64_t>(k < tiers.size() ? tiers[k] : NameTier::Given);
        keys.push_back(rank << 34 | tier << 32 | k);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint32_t> order(rows.size());
    for (size_t k = 0; k < keys.size(); ++k) order[k] = static_cast<std::uint32_t>(keys[k]);
    PermuteRows(rows, order);
}
