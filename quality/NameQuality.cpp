#include "quality/NameQuality.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <utility>

#include "namedb/CharacterRow.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "quality/NameSense.h"
#include "quality/QualityTables.h"

namespace quality {

namespace {

std::string CharacterReading(SqliteDatabase& db, const std::string& character) {
    Statement rows =
        db.Prepare("select 拼音2 from NB_CNWord where 汉字=?1", {SqlValue::Text(character)});
    return rows.NextOrThrow() ? rows.Text(0) : std::string();
}

std::vector<std::string> SplitReading(const std::string& reading) {
    std::vector<std::string> syllables;
    size_t start = 0;
    while (start < reading.size()) {
        size_t end = reading.find(' ', start);
        if (end == std::string::npos) end = reading.size();
        if (end > start) syllables.push_back(reading.substr(start, end - start));
        start = end + 1;
    }
    return syllables;
}

}  // namespace

bool PrintsEverywhere(const CharacterFacts& facts) {
    const std::string& character = facts.character;
    return IsCommonLevel(facts.level) ||
           (character.size() == 2 && IsGb2312Hanzi(static_cast<unsigned char>(character[0]),
                                                   static_cast<unsigned char>(character[1])));
}

bool NameQuality::HasRareCharacter() const {
    for (const CharacterFacts& facts : givenCharacters)
        if (!PrintsEverywhere(facts)) return true;
    return false;
}

bool NameQuality::HasUnfitCharacter() const {
    for (const CharacterFacts& facts : givenCharacters)
        if (facts.IsUnfit()) return true;
    return false;
}

NameQualityChecker::NameQualityChecker(SqliteDatabase& db, std::string surname)
    : m_db(db), m_surname(std::move(surname)) {
    std::optional<Statement> levels = PrepareIfPresent(db, "select 级别 from NB_字级 limit 1", {});
    m_levelsPresent = levels.has_value();
    if (levels) levels->NextOrThrow();

    // A file built before the review names no character unfit and no word of bad sense.
    ForEachPackedLine(ReadPackedList(db, "不宜字"), '\n',
                      [&](std::string_view character, std::string_view reason) {
                          m_unfit.emplace(character, reason.empty() ? std::string("字义不宜")
                                                                    : std::string(reason));
                      });
    // A given name has two characters at most, so only the words of two characters can be one;
    // each is kept as its four GBK bytes in one number, for a look-up per found name.
    const std::string badWords = ReadPackedList(db, "不宜词");
    m_badWords =
        FourByteSet(static_cast<size_t>(std::count(badWords.begin(), badWords.end(), '\n')));
    ForEachPackedLine(badWords, '\n',
                      [&](std::string_view word, std::string_view) { m_badWords.Insert(word); });

    std::optional<Statement> surnameRow = PrepareIfPresent(
        db, "select 拼音2 from NB_姓氏读音 where 姓=?1", {SqlValue::Text(m_surname)});
    if (surnameRow && surnameRow->NextOrThrow())
        m_surnameReadings = SplitReading(surnameRow->Text(0));
    const std::vector<std::string> characters = SplitCharacters(m_surname);
    if (m_surnameReadings.size() != characters.size()) {
        m_surnameReadings.clear();
        for (const std::string& character : characters)
            m_surnameReadings.push_back(CharacterReading(db, character));
    }
    for (const std::string& reading : m_surnameReadings)
        m_surnameSyllables.push_back(ParseMarkedSyllable(reading));
    m_syllables = m_surnameSyllables;  // HasFindings keeps the surname's part and adds the rest
}

int NameQualityChecker::Level(const std::string& character) {
    if (!m_levelsPresent) return kLevelUnknown;
    if (auto found = m_levels.find(character); found != m_levels.end()) return found->second;
    if (m_allLevelsRead) return kLevelOutside;
    std::optional<Statement> level = PrepareIfPresent(
        m_db, "select 级别 from NB_字级 where 汉字=?1", {SqlValue::Text(character)});
    const int value = level && level->NextOrThrow() ? level->Int(0) : kLevelOutside;
    m_levels.emplace(character, value);
    return value;
}

void NameQualityChecker::ReadAllLevels() {
    if (!m_levelsPresent || m_allLevelsRead) return;
    std::optional<Statement> rows = PrepareIfPresent(m_db, "select 汉字, 级别 from NB_字级", {});
    while (rows && rows->NextOrThrow()) m_levels[rows->Text(0)] = rows->Int(1);
    m_allLevelsRead = true;
}

const std::string* NameQualityChecker::UnfitReason(const std::string& character) const {
    auto found = m_unfit.find(character);
    return found == m_unfit.end() ? nullptr : &found->second;
}

bool NameQualityChecker::IsBadSenseWord(std::string_view givenName) const {
    return m_badWords.Contains(givenName);
}

std::string NameQualityChecker::BadSenseReason(const std::string& givenName) const {
    if (!IsBadSenseWord(givenName)) return {};
    Statement reason =
        m_db.Prepare("select 缘由 from NB_不宜词 where 词=?1", {SqlValue::Text(givenName)});
    return reason.NextOrThrow() ? reason.Text(0) : std::string("词义不宜");
}

CharacterFacts NameQualityChecker::MakeFacts(const std::string& character, std::string reading) {
    CharacterFacts facts;
    facts.character = character;
    facts.level = Level(character);
    facts.reading = std::move(reading);
    facts.syllable = ParseMarkedSyllable(facts.reading);
    if (const std::string* reason = UnfitReason(character)) facts.unfitReason = *reason;
    return facts;
}

const CharacterFacts& NameQualityChecker::Character(const std::string& character) {
    auto found = m_characters.find(character);
    if (found != m_characters.end()) return found->second;
    auto known = m_knownReadings.find(character);
    std::string reading =
        known != m_knownReadings.end() ? known->second : CharacterReading(m_db, character);
    return m_characters.emplace(character, MakeFacts(character, std::move(reading))).first->second;
}

void NameQualityChecker::ReadCharacters(const std::vector<std::string>& characters) {
    std::vector<std::string> unknown;
    std::unordered_set<std::string> asked;
    for (const std::string& character : characters)
        if (!m_characters.count(character) && asked.insert(character).second)
            unknown.push_back(character);
    if (unknown.empty()) return;
    if (m_levelsPresent && !m_allLevelsRead) {
        std::vector<std::string> withoutLevel;
        for (const std::string& character : unknown)
            if (!m_levels.count(character)) withoutLevel.push_back(character);
        if (!withoutLevel.empty()) {
            // Rows come in rowid order, so a character listed twice keeps its first level.
            ForEachCharacterRow(
                m_db, "汉字, 级别", "NB_字级", withoutLevel,
                [&](const Statement& row) { m_levels.try_emplace(row.Text(0), row.Int(1)); });
            for (const std::string& character : withoutLevel)
                m_levels.try_emplace(character, kLevelOutside);
        }
    }
    std::vector<std::string> withoutReading;
    for (const std::string& character : unknown)
        if (!m_knownReadings.count(character)) withoutReading.push_back(character);
    std::unordered_map<std::string, std::string> readings;
    ForEachCharacterRow(
        m_db, "汉字, 拼音2", "NB_CNWord", withoutReading,
        [&](const Statement& row) { readings.try_emplace(row.Text(0), row.Text(1)); });
    for (const std::string& character : unknown) {
        std::string reading;
        if (auto known = m_knownReadings.find(character); known != m_knownReadings.end())
            reading = known->second;
        else if (auto found = readings.find(character); found != readings.end())
            reading = std::move(found->second);
        m_characters.emplace(character, MakeFacts(character, std::move(reading)));
    }
}

void NameQualityChecker::KnowReading(const std::string& character, const std::string& reading) {
    m_knownReadings.insert_or_assign(character, reading);
}

void NameQualityChecker::KnowLevel(const std::string& character, int level) {
    if (m_levelsPresent) m_levels.try_emplace(character, level);
}

NameQuality NameQualityChecker::Evaluate(const std::string& givenName) {
    NameQuality quality;
    quality.surname = m_surname;
    quality.givenName = givenName;
    quality.readings = m_surnameReadings;
    quality.syllables = m_surnameSyllables;
    quality.surnameSyllables = m_surnameSyllables.size();
    for (const std::string& character : SplitCharacters(givenName)) {
        const CharacterFacts& facts = Character(character);
        quality.givenCharacters.push_back(facts);
        quality.readings.push_back(facts.reading);
        quality.syllables.push_back(facts.syllable);
    }
    quality.badSenseReason = BadSenseReason(givenName);
    quality.tones = JudgeTones(quality.syllables);
    quality.sound = FindUnfortunateSound(quality.syllables, quality.surnameSyllables);
    return quality;
}

bool NameQualityChecker::HasFindings(const std::string& givenName) {
    SplitCharactersInto(givenName, m_pieces);
    m_givenFacts.clear();
    for (const std::string& character : m_pieces) m_givenFacts.push_back(&Character(character));
    return HasFindings(m_givenFacts);
}

bool NameQualityChecker::HasFindings(const std::vector<const CharacterFacts*>& givenCharacters) {
    m_syllables.resize(m_surnameSyllables.size());
    for (const CharacterFacts* facts : givenCharacters) {
        if (!PrintsEverywhere(*facts) || facts->IsUnfit()) return true;
        m_syllables.push_back(facts->syllable);
    }
    if (givenCharacters.size() == 2 && givenCharacters[0]->character.size() == 2 &&
        givenCharacters[1]->character.size() == 2) {
        char pair[4];
        std::copy_n(givenCharacters[0]->character.data(), 2, pair);
        std::copy_n(givenCharacters[1]->character.data(), 2, pair + 2);
        if (IsBadSenseWord(std::string_view(pair, 4))) return true;
    }
    if (ClassifyTones(m_syllables) != ToneProblem::None) return true;
    return FindUnfortunateSound(m_syllables, m_surnameSyllables.size()).found;
}

NameQuality EvaluateNameQuality(SqliteDatabase& db, const std::string& surname,
                                const std::string& givenName) {
    NameQualityChecker checker(db, surname);
    NameQuality quality = checker.Evaluate(givenName);
    // No word of bad sense is given a meaning.
    if (quality.badSenseReason.empty()) quality.sense = NameSenseTable::Load(db).SenseOf(givenName);
    if (quality.givenCharacters.size() == 2) {
        quality.poemLooked = true;
        quality.poem = FindNameSource(db, quality.givenCharacters[0].character,
                                      quality.givenCharacters[1].character);
    }
    return quality;
}

}  // namespace quality
