#include "generation/FinishResultList.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

int ScoreOf(const ResultRow& row) { return row.size() > 7 ? std::atoi(row[7].c_str()) : 0; }

}  // namespace

void SortByScore(std::vector<ResultRow>& rows) {
    std::vector<std::pair<int, size_t>> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys[i] = {ScoreOf(rows[i]), i};
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<ResultRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

void FinishResultList(std::vector<ResultRow>& rows) {
    SortByScore(rows);
    for (size_t k = 0; k < rows.size(); ++k)
        if (!rows[k].empty()) rows[k][0] = std::to_string(k + 1);
}
