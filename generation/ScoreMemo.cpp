#include "generation/ScoreMemo.h"

#include <charconv>
#include <unordered_map>

#include "numerology/CharacterLookup.h"

namespace {

// Stroke counts come from data: sums are formed wide and wrapped back, as the grids are.
int Wrap(std::int64_t value) { return static_cast<int>(static_cast<std::uint32_t>(value)); }

}  // namespace

void ScoredCells::Read(const NameEvaluation& evaluation, int nameScore) {
    simplifiedTotal = evaluation.simplifiedTotal;
    totalGrid = evaluation.totalGrid;
    elementText = evaluation.elementText;
    char text[64];
    char* end = text;
    for (int grid : {evaluation.heavenGrid, evaluation.personGrid, evaluation.earthGrid,
                     evaluation.totalGrid, evaluation.outerGrid}) {
        if (end != text) *end++ = ',';
        end = std::to_chars(end, text + sizeof text, grid).ptr;
    }
    grids.assign(text, static_cast<size_t>(end - text));
    threeTalents = evaluation.threeTalents;
    score = nameScore;
}

ScoreMemo::ScoreMemo(const std::vector<std::string>& pieces, const CharacterTable& table) {
    std::unordered_map<int, int> classOfStrokes;
    m_classOfPiece.reserve(pieces.size());
    m_pieceFacts.resize(pieces.size());
    for (size_t p = 0; p < pieces.size(); ++p) {
        const std::string& piece = pieces[p];
        // A piece that is one whole character, and that a name cut into characters gives back
        // as it is (no space, no stray byte): only then are its strokes the name's.
        const std::vector<std::string> characters = SplitCharacters(piece);
        if (characters.size() != 1 || characters[0] != piece) {
            m_classOfPiece.push_back(-1);
            continue;
        }
        const CharacterRecord* record = table.Find(piece);
        const int strokes = record ? record->traditionalStrokes : 0;
        if (record) m_pieceFacts[p] = {record->simplifiedStrokes, record->element};
        const auto next = static_cast<int>(classOfStrokes.size());
        m_classOfPiece.push_back(classOfStrokes.try_emplace(strokes, next).first->second);
    }
    m_width = classOfStrokes.size() + 1;  // the last column: no second piece
    if (m_width <= kMaxWidth) m_scores.assign(m_width * m_width, kUnknown);
}

std::optional<size_t> ScoreMemo::SlotOf(std::int32_t first, std::int32_t second) const {
    if (m_scores.empty()) return std::nullopt;
    const int a = m_classOfPiece[static_cast<size_t>(first)];
    const int b =
        second >= 0 ? m_classOfPiece[static_cast<size_t>(second)] : static_cast<int>(m_width) - 1;
    if (a < 0 || b < 0) return std::nullopt;
    return static_cast<size_t>(a) * m_width + static_cast<size_t>(b);
}

void ScoreMemo::Remember(size_t slot, int score, const NameEvaluation& evaluation,
                         const ScoredCells* listed) {
    m_scores[slot] = score;
    if (!m_surnameKnown) {
        const NameCharacter& first = evaluation.characters[kSurname1];
        const NameCharacter& second = evaluation.characters[kSurname2];
        m_surnameSimplifiedStrokes =
            std::int64_t{first.simplifiedStrokes} + std::int64_t{second.simplifiedStrokes};
        m_surnameElements = first.element + second.element;
        m_surnameKnown = true;
    }
    if (listed)
        m_cells.try_emplace(slot,
                            PairCells{listed->totalGrid, listed->grids, listed->threeTalents});
}

bool ScoreMemo::CellsOf(size_t slot, std::int32_t first, std::int32_t second,
                        ScoredCells& cells) const {
    const auto found = m_cells.find(slot);
    if (found == m_cells.end() || !m_surnameKnown) return false;
    const PieceFacts& a = m_pieceFacts[static_cast<size_t>(first)];
    static const PieceFacts kNone;
    const PieceFacts& b = second >= 0 ? m_pieceFacts[static_cast<size_t>(second)] : kNone;
    cells.simplifiedTotal =
        Wrap(m_surnameSimplifiedStrokes + std::int64_t{a.simplifiedStrokes} + b.simplifiedStrokes);
    cells.totalGrid = found->second.totalGrid;
    cells.elementText.assign(m_surnameElements).append(a.element).append(b.element);
    cells.grids = found->second.grids;
    cells.threeTalents = found->second.threeTalents;
    cells.score = m_scores[slot];
    return true;
}
