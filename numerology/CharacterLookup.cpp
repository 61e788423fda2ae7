#include "numerology/CharacterLookup.h"

#include "namedb/CharacterRow.h"
#include "numerology/NameGrids.h"

namespace {

bool OpensTwoBytePiece(unsigned char byte) { return byte > 122; }

bool IsFullWidthSpace(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && static_cast<unsigned char>(text[at]) == 0xA1 &&
           static_cast<unsigned char>(text[at + 1]) == 0xA1;
}

// The common case of the scoring loop: no spaces at all. Returns false, leaving the general walk
// to decide, as soon as the text may hold a half- or full-width space.
bool SplitWithoutSpaces(std::string_view text, std::vector<std::string>& pieces) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();) {
        unsigned char byte = static_cast<unsigned char>(text[at]);
        if (byte == ' ' || byte == 0xA1) return false;
        std::size_t length = OpensTwoBytePiece(byte) ? 2 : 1;
        if (at + length > text.size()) break;  // a lead byte without its second byte
        if (text[at + length - 1] == ' ') return false;
        if (count < pieces.size())
            numerology_detail::SetText(pieces[count], text.substr(at, length));
        else
            pieces.emplace_back(text.substr(at, length));
        ++count;
        at += length;
    }
    if (pieces.size() != count) pieces.resize(count);
    return true;
}

}  // namespace

void SplitCharactersInto(std::string_view text, std::vector<std::string>& pieces) {
    if (SplitWithoutSpaces(text, pieces)) return;
    // Half-width spaces go first, wherever they stand, so a lead byte pairs with the next byte
    // that is not one. A full-width space is only dropped where a character starts: 啊、
    // (B0 A1 A1 A2) holds the pair A1 A1 across its two characters.
    std::string compact;
    compact.reserve(text.size());
    for (char byte : text)
        if (byte != ' ') compact += byte;
    std::size_t count = 0;
    for (std::size_t at = 0; at < compact.size();) {
        if (IsFullWidthSpace(compact, at)) {
            at += 2;
            continue;
        }
        std::size_t length = OpensTwoBytePiece(static_cast<unsigned char>(compact[at])) ? 2 : 1;
        if (at + length > compact.size()) break;  // a lead byte without its second byte
        if (count < pieces.size())
            pieces[count] = compact.substr(at, length);
        else
            pieces.push_back(compact.substr(at, length));
        ++count;
        at += length;
    }
    if (pieces.size() != count) pieces.resize(count);
}

std::vector<std::string> SplitCharacters(std::string_view text) {
    std::vector<std::string> pieces;
    SplitCharactersInto(text, pieces);
    return pieces;
}

bool IsChineseCharacter(unsigned char lead, unsigned char trail) {
    if (trail == 0x7F) return false;
    if (IsGb2312Hanzi(lead, trail)) return true;
    if (lead >= 0x81 && lead <= 0xA0 && trail >= 0x40 && trail <= 0xFE) return true;  // GBK/3
    if (lead >= 0xAA && lead <= 0xFE && trail >= 0x40 && trail <= 0xA0) return true;  // GBK/4
    return false;
}

bool IsOneOrTwoChineseCharacters(std::string_view gbk) {
    if (gbk.size() != 2 && gbk.size() != 4) return false;
    for (std::size_t at = 0; at < gbk.size(); at += 2)
        if (!IsChineseCharacter(static_cast<unsigned char>(gbk[at]),
                                static_cast<unsigned char>(gbk[at + 1])))
            return false;
    return true;
}

std::optional<std::string> NamePartCharacters(std::string_view text) {
    std::string joined;
    for (const std::string& piece : SplitCharacters(text)) {
        joined += piece;
        if (joined.size() > 4) return std::nullopt;
    }
    if (!IsOneOrTwoChineseCharacters(joined)) return std::nullopt;
    return joined;
}

CharacterRecord FetchCharacter(SqliteDatabase& db, const std::string& character) {
    CharacterRecord record;
    record.character = character;
    std::optional<CharacterRow> row = FetchCharacterRow(db, character);
    if (!row || row->element.empty() || row->simplifiedStrokes == 0) return record;
    record.simplifiedStrokes = row->simplifiedStrokes;
    record.traditionalStrokes = row->traditionalStrokes;
    record.element = std::move(row->element);
    record.pinyin = std::move(row->pinyin2);
    record.traditionalForm = std::move(row->traditional);
    return record;
}

std::optional<CharacterRecord> FindInTable(const CharacterTable& table,
                                           std::string_view character) {
    if (const CharacterRecord* found = table.Find(character)) return *found;
    return std::nullopt;
}

std::optional<CharacterRecord> FindInTable(const std::vector<CharacterRecord>& table,
                                           std::string_view character) {
    for (const CharacterRecord& entry : table)
        if (entry.character == character) return entry;
    return std::nullopt;
}

std::string ElementOfNumber(int number) {
    return std::string(numerology_detail::ElementNameOfNumber(number));
}

NumberRecord LookupNumber(SqliteDatabase& db, int number) {
    Statement row = db.Prepare("select * from NB_八一灵动数 where Id=?", {SqlValue::Int(number)});
    NumberRecord record;
    if (!row.NextOrThrow()) return record;
    auto text = [&](int column) { return row.Text(column); };
    record.rating = text(1);
    record.explanation1 = text(2);
    record.explanation2 = text(3);
    record.explanation3 = text(4);
    record.foundation = text(5);
    record.family = text(6);
    record.health = text(7);
    record.meaning = text(8);
    record.hints = text(9);
    return record;
}

ThreeTalentRecord LookupThreeTalents(SqliteDatabase& db, const std::string& key) {
    Statement row = db.Prepare("select * from NB_三才配置 where 三才=?", {SqlValue::Text(key)});
    ThreeTalentRecord record;
    if (!row.NextOrThrow()) return record;
    auto text = [&](int column) { return row.Text(column); };
    record.rating = text(2);
    record.explanation1 = text(3);
    record.overview = text(5);
    record.character = text(6);
    record.will = text(7);
    record.career = text(8);
    record.family = text(9);
    record.marriage = text(10);
    record.children = text(11);
    record.social = text(12);
    record.spirit = text(13);
    record.wealth = text(14);
    record.health = text(15);
    record.oldAge = text(16);
    record.baseLuck = text(17);
    record.successLuck = text(18);
    record.relations = text(19);
    record.personality = text(20);
    return record;
}
