#pragma once

#include <cstdint>
#include <vector>

#include "generation/GenerationObserver.h"

// Orders the rows by the integer in column 7 (评分), highest first; rows of equal score keep the
// order in which they were written.
void SortByScore(std::vector<ResultRow>& rows);

// The end of every scored list: sorted by score and numbered 1, 2, 3 ... in column 0. The rows
// are the written ones only; unfilled rows never exist in memory.
void FinishResultList(std::vector<ResultRow>& rows);

// Numbers the rows 1, 2, 3 ... in column 0, in the order they stand.
void NumberRows(std::vector<ResultRow>& rows);

// Puts the row at order[k] in place k for every k, moving the rows in place rather than into a
// second list; order must hold every index once and is used up.
void PermuteRows(std::vector<ResultRow>& rows, std::vector<std::uint32_t>& order);
