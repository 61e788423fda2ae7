#include "generation/QualityOrder.h"

#include <algorithm>
#include <numeric>
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
    std::vector<bool> findings;
    findings.reserve(rows.size());
    std::string given;
    for (const ResultRow& row : rows) {
        given = givenOf(row);
        findings.push_back(checker.HasFindings(given));
    }
    OrderByFindings(rows, findings);
}

void OrderByFindings(std::vector<ResultRow>& rows, const std::vector<bool>& findings) {
    struct Key {
        long long score;
        bool findings;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        keys.push_back({rows[k].NumberIn(7), k < findings.size() && findings[k]});
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (keys[a].score != keys[b].score) return keys[a].score > keys[b].score;
        return !keys[a].findings && keys[b].findings;
    });
    PermuteRows(rows, order);
}
