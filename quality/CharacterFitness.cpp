#include "quality/CharacterFitness.h"

#include <optional>

#include "namedb/SqliteDatabase.h"
#include "quality/QualityTables.h"

namespace quality {

namespace {

Fitness FitnessOfVerdict(const std::string& verdict) {
    if (verdict == "不宜") return Fitness::Unfit;
    if (verdict == "男") return Fitness::Masculine;
    if (verdict == "女") return Fitness::Feminine;
    return Fitness::Either;
}

}  // namespace

CharacterFitnessTable CharacterFitnessTable::Load(SqliteDatabase& db) {
    CharacterFitnessTable table;
    // "字判定<TAB>" entries: a character is two GBK bytes, its verdict follows.
    ForEachPackedLine(
        ReadPackedList(db, "用字判定"), '\t', [&](std::string_view entry, std::string_view) {
            if (entry.size() > 2)
                table.m_flagged.try_emplace(std::string(entry.substr(0, 2)),
                                            FitnessOfVerdict(std::string(entry.substr(2))));
        });
    ForEachPackedLine(
        ReadPackedList(db, "平实字"), '\n',
        [&](std::string_view character, std::string_view) { table.m_plain.emplace(character); });
    ForEachPackedLine(
        ReadPackedList(db, "悲字"), '\n',
        [&](std::string_view character, std::string_view) { table.m_dark.emplace(character); });
    return table;
}

bool CharacterFitnessTable::Offers(const std::string& character, ChildSex sex) const {
    switch (FitnessOf(character)) {
        case Fitness::Unfit:
            return false;
        case Fitness::Masculine:
            return sex == ChildSex::Boy;
        case Fitness::Feminine:
            return sex == ChildSex::Girl;
        case Fitness::Either:
            return true;
    }
    return true;
}

Fitness CharacterFitnessTable::FitnessOf(const std::string& character) const {
    auto found = m_flagged.find(character);
    return found == m_flagged.end() ? Fitness::Either : found->second;
}

}  // namespace quality
