#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "numerology/CharacterTable.h"
#include "numerology/NameEvaluation.h"

// The cells of a result row that the numbers give: 简体笔划, 繁体笔划, 五行, 五格, 三才 and 评分.
struct ScoredCells {
    int simplifiedTotal = 0;
    int totalGrid = 0;
    std::string elementText;
    std::string grids;  // the five grids, "8,18,16,23,6"
    std::string threeTalents;
    int score = 0;

    // The cells of the name QuickScore has just evaluated.
    void Read(const NameEvaluation& evaluation, int score);
};

// A name's grids, three talents and score depend on nothing but the traditional strokes of its
// characters and how many characters it has, so they are remembered per pair of stroke counts:
// a candidate whose pair already scored below the list's threshold is passed over without being
// written out and scored again, and one whose pair made the list takes its cells from there,
// with only its own simplified strokes and elements added. Pieces other than one character are
// never remembered. The surname is the run's, the same for every candidate.
class ScoreMemo {
  public:
    static constexpr int kUnknown = INT_MIN;

    ScoreMemo(const std::vector<std::string>& pieces, const CharacterTable& table);

    // The candidate's place in the memo; none where nothing can be kept.
    std::optional<size_t> SlotOf(std::int32_t first, std::int32_t second) const;
    // The score remembered at slot, or kUnknown.
    int Score(size_t slot) const { return m_scores[slot]; }
    // Remembers the score of the candidate QuickScore has just evaluated, and its cells when
    // the candidate made the list (listed, read from the same evaluation; else nullptr).
    void Remember(size_t slot, int score, const NameEvaluation& evaluation,
                  const ScoredCells* listed);
    // The cells of a candidate whose pair made the list before; false when none did.
    bool CellsOf(size_t slot, std::int32_t first, std::int32_t second, ScoredCells& cells) const;

  private:
    struct PairCells {
        int totalGrid;
        std::string grids;
        std::string threeTalents;
    };
    struct PieceFacts {
        int simplifiedStrokes = 0;
        std::string element;
    };

    static constexpr size_t kMaxWidth = 512;
    std::vector<int> m_classOfPiece;  // index among the distinct stroke counts, -1 for none
    std::vector<PieceFacts> m_pieceFacts;
    size_t m_width = 0;
    std::vector<int> m_scores;
    std::unordered_map<size_t, PairCells> m_cells;
    bool m_surnameKnown = false;
    std::int64_t m_surnameSimplifiedStrokes = 0;
    std::string m_surnameElements;
};
