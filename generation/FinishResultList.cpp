#include "generation/FinishResultList.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

long long ScoreOf(const ResultRow& row) { return row.NumberIn(7); }

}  // namespace

void PermuteRows(std::vector<ResultRow>& rows, std::vector<std::uint32_t>& order) {
    // Each cycle of the permutation is walked once; a place that is done points at itself.
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        ResultRow held = std::move(rows[start]);
        size_t place = start;
        while (true) {
            const size_t from = order[place];
            order[place] = static_cast<std::uint32_t>(place);
            if (from == start) {
                rows[place] = std::move(held);
                break;
            }
            rows[place] = std::move(rows[from]);
            place = from;
        }
    }
}

void SortByScore(std::vector<ResultRow>& rows) {
    // The quality order leaves its lists sorted already.
    bool sorted = true;
    for (size_t i = 1; i < rows.size() && sorted; ++i)
        sorted = ScoreOf(rows[i - 1]) >= ScoreOf(rows[i]);
    if (sorted) return;
    std::vector<std::pair<long long, size_t>> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys[i] = {ScoreOf(rows[i]), i};
    const auto higher = [](const auto& a, const auto& b) { return a.first > b.first; };
    std::stable_sort(keys.begin(), keys.end(), higher);
    std::vector<std::uint32_t> order(rows.size());
    for (size_t k = 0; k < keys.size(); ++k) order[k] = static_cast<std::uint32_t>(keys[k].second);
    PermuteRows(rows, order);
}

void NumberRows(std::vector<ResultRow>& rows) {
    for (size_t k = 0; k < rows.size(); ++k)
        if (!rows[k].empty()) rows[k].SetNumber(0, static_cast<long long>(k + 1));
}

void FinishResultList(std::vector<ResultRow>& rows) {
    SortByScore(rows);
    NumberRows(rows);
}
