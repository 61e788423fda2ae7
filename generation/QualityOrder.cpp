#include "generation/QualityOrder.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "numerology/CharacterLookup.h"
#include "quality/NameQuality.h"

void KeepCommonCharacters(std::vector<std::string>& characters,
                          quality::NameQualityChecker& checker) {
    checker.ReadAllLevels();
    std::erase_if(characters, [&](const std::string& character) {
        return !quality::IsCommonLevel(checker.Level(character));
    });
}

void OrderByNameQuality(std::vector<ResultRow>& rows, const std::string& surname,
                        quality::NameQualityChecker& checker) {
    struct Key {
        int score;
        bool findings;
    };
    // The given names, and the facts of all their characters read in one go: a long list holds
    // tens of thousands of names over a few hundred characters.
    std::vector<std::string> givenNames;
    givenNames.reserve(rows.size());
    std::vector<std::string> characters;
    std::unordered_set<std::string> seen;
    for (const ResultRow& row : rows) {
        const std::string_view name =
            row.size() > 1 ? std::string_view(row[1]) : std::string_view();
        std::string given(name.substr(0, surname.size()) == surname ? name.substr(surname.size())
                                                                    : name);
        for (std::string& character : SplitCharacters(given))
            if (seen.insert(character).second) characters.push_back(std::move(character));
        givenNames.push_back(std::move(given));
    }
    checker.ReadCharacters(characters);
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const ResultRow& row = rows[i];
        keys.push_back(
            {row.size() > 7 ? std::atoi(row[7].c_str()) : 0, checker.HasFindings(givenNames[i])});
    }
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (keys[a].score != keys[b].score) return keys[a].score > keys[b].score;
        return !keys[a].findings && keys[b].findings;
    });
    std::vector<ResultRow> ordered;
    ordered.reserve(rows.size());
    for (size_t index : order) ordered.push_back(std::move(rows[index]));
    rows = std::move(ordered);
}
