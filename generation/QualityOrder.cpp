#include "generation/QualityOrder.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <utility>

#include "quality/NameQuality.h"

void KeepCommonCharacters(std::vector<std::string>& characters,
                          quality::NameQualityChecker& checker) {
    checker.ReadAllLevels();
    std::erase_if(characters,
                  [&](const std::string& character) { return !checker.IsCommonAndFit(character); });
}

void OrderByNameQuality(std::vector<ResultRow>& rows, const std::string& surname,
                        quality::NameQualityChecker& checker) {
    struct Key {
        int score;
        bool findings;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const ResultRow& row : rows) {
        const std::string name = row.size() > 1 ? row[1] : std::string();
        const std::string given =
            name.compare(0, surname.size(), surname) == 0 ? name.substr(surname.size()) : name;
        keys.push_back(
            {row.size() > 7 ? std::atoi(row[7].c_str()) : 0, checker.HasFindings(given)});
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
