#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "generation/CanonPassages.h"
#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"
#include "generation/QualityOrder.h"
#include "generation/RunControl.h"
#include "namedb/CharacterRow.h"
#include "numerology/CharacterTable.h"
#include "numerology/NameEvaluation.h"
#include "numerology/RatingTables.h"
#include "quality/CharacterFitness.h"
#include "quality/NameQuality.h"
#include "quality/NameSense.h"

class SqliteDatabase;
struct ScoredCells;

// What ScoreIntoList does for one mode.
struct ScoringProfile {
    ResultList list = ResultList::HighScore;
    int threshold = 0;
    // A full list stops the scoring: 10000 rows for 高分, 100000 for 超吉; 0 means never.
    int maximumRows = 0;
};

// One generation run: builds the mode's pool, turns it into candidates, scores them and hands the
// rows to the observer, all from the inputs taken when the run started. It obeys hold and stop
// between its steps through the RunControl, and delivers nothing once stopped.
class RunGeneration {
  public:
    RunGeneration(GenerationInputs inputs, GenerationObserver& observer, SqliteDatabase& database,
                  RunControl& control);

    // Runs to the end, or until stopped. A database that cannot be read, memory that runs out or
    // any other exception ends the run as failed, with its message (and an empty list where rows
    // were shown), never the program.
    void Execute();
    // Whether the run ended on such an error, and its message (GBK).
    bool Failed() const { return m_failed; }
    const std::string& FailureText() const { return m_failureText; }

    // The candidates in the order they were formed, for tests and the benchmark.
    std::vector<std::string> CandidateTexts() const;

  private:
    // A candidate given name: one or two pieces, indices into m_pieces (-1 = none). Pool entries
    // are the first pieces, so a candidate is eight bytes even when a run forms millions.
    struct Candidate {
        std::int32_t first;
        std::int32_t second;
    };
    // Every first with every second, first by first: the candidates a mode forms as whole blocks
    // (a pool with itself, the 超吉 sets with each other) are enumerated as they are scored, so
    // the millions of them never sit in memory.
    struct CandidateProduct {
        std::vector<std::int32_t> firsts;
        std::vector<std::int32_t> seconds;
    };
    // What the visitor of ForEachCandidate answers for one candidate.
    enum class Visit { Next, Enough, Stopped };

    void ExecuteSteps();
    void Fail(const std::string& text);
    bool PrepareMode();
    void PrepareHighScore();
    void PrepareSuperLucky();
    void PreparePoem();
    void PrepareCombination();
    void PrepareNickname();
    void PrepareCanon();
    void RunClassic();
    void RunEnglish();

    void AppendPoolCharacters(const std::string& text);
    void AppendSurnameCharacters();
    void ShufflePoolEntries(std::vector<std::string>& entries) const;
    quality::NameQualityChecker& Quality();
    // 只用常用字 on a pool; refuses the run when the database cannot tell common characters.
    void KeepCommonOnly(std::vector<std::string>& characters);
    // Leaves out of a pool what the review finds unfit for a name or leaning to the other sex,
    // unless the inputs ask for every character.
    void KeepFitCharacters(std::vector<std::string>& characters);
    // Whether a found given name is a word of bad sense (领养, 清明) that no list shows.
    bool IsBadSenseWord(const std::string& givenName);
    std::int32_t PieceOf(const std::string& text);

    // Reads the scoring columns of the characters with one statement, for RawCharacter.
    void ReadCharacterEssentials(const std::vector<std::string>& characters);
    CharacterRecord RawCharacter(const std::string& character) const;
    bool FillTableEntry(size_t index);  // true when the entry is accepted
    void AddScoringCharacters(const std::string& text);
    bool BuildStandardCandidates();
    bool BuildSuperLuckyCandidates();
    bool BuildNicknameCandidates();
    bool BuildCanonCandidates();

    // Hands the candidates to visit(first, second) in the order they were formed; false when the
    // visitor answered Stopped.
    template <typename Visitor>
    bool ForEachCandidate(Visitor&& visit) const;
    bool ScoreIntoList(const ScoringProfile& profile);
    // The row of a found name, its meaning (寓意) after the numbers, and for 典籍起名 its source.
    ResultRow MakeResultRow(int number, const std::string& givenName, const ScoredCells& cells,
                            Candidate candidate);
    // 典籍起名's three cells: collection·piece, author, the passage.
    void AppendCanonSource(ResultRow& row, Candidate candidate) const;
    // Whether each name found, in the order found, has findings (rare or unfit characters, tones,
    // unfortunate sounds).
    // Where each found name stands among the names of its score (findings, plain characters).
    std::vector<NameTier> TiersOfFoundNames(quality::NameQualityChecker& checker);
    void FlushRows(ResultList list);
    void FinishRun(RunOutcome outcome);

    // A step boundary: hands pending rows over before a hold, so a held run shows all it found.
    bool Checkpoint();
    bool Deliver(auto&& write) { return m_control.Deliver(write); }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon);

    GenerationInputs m_inputs;
    GenerationObserver& m_observer;
    SqliteDatabase& m_database;
    RunControl& m_control;

    std::vector<std::string> m_pieces;  // pool entries first, then texts that candidates add
    size_t m_poolSize = 0;
    CharacterTable m_table;
    std::unordered_map<std::string, CharacterEssentials> m_essentials;
    std::unordered_set<std::string> m_essentialsAsked;
    std::vector<Candidate> m_candidates;  // single candidates, formed before m_products
    std::vector<CandidateProduct> m_products;
    RatingTables m_ratings;
    NameEvaluation m_evaluation;
    std::optional<quality::NameQualityChecker> m_quality;  // made when a run first needs it
    // The review, read when a pool is screened by it; none with --all-characters.
    std::optional<quality::CharacterFitnessTable> m_fitness;
    std::optional<quality::NameSenseTable> m_senses;  // read when scoring starts
    std::string m_senseText;                          // reused by MakeResultRow

    // 典籍起名: the passages names were drawn from, and for each name the passage it was drawn
    // from first and how; by candidate (first piece << 32 | second piece, as unsigned numbers).
    struct CanonDraw {
        std::uint32_t passage;
        CanonTier tier;
    };
    std::vector<canon::Passage> m_canonPassages;
    std::vector<std::pair<std::string, std::string>> m_canonNames;  // in the order drawn
    std::vector<CanonDraw> m_canonDraws;                            // one per name
    std::unordered_map<std::uint64_t, CanonDraw> m_canonDrawOf;

    std::vector<ResultRow> m_rows;             // the rows found so far
    size_t m_deliveredRows = 0;                // how many of them the window has been handed
    std::vector<Candidate> m_foundCandidates;  // the pieces of each row's name, in the order found
    ResultList m_scoringList = ResultList::HighScore;
    std::chrono::steady_clock::time_point m_lastFlush;
    bool m_scoringStarted = false;
    bool m_failed = false;
    std::string m_failureText;
};
