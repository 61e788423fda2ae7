#include "settings/SavedSettings.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "settings/SettingsFile.h"

namespace {

const char* const kSection = "设置";
const char* const kSurname = "姓氏";
const char* const kSex = "性别";
const char* const kNameLength = "名字个数";
const char* const kCombination = "组合的字";
const char* const kEnglishGivenName = "英文名字";
const char* const kScoreGivenName = "评分名字";
const char* const kHighScoreCommonOnly = "高分只用常用字";
const char* const kSuperLuckyCommonOnly = "超吉只用常用字";
const char* const kSuperLuckyFilters = "超吉五行筛选";
const char* const kRecords = "名字记录";
const char* const kWindowGeometry = "窗口位置";
// The records once more, escaped, when the plain form above would change them. A reader that
// knows only the plain form still finds every record it can hold there.
const char* const kEscapedRecords = "名字记录原文";

// A GBK character is two bytes when a lead byte is followed by a trail byte; anything else (ASCII,
// a damaged byte) is one. ";" and " " never occur inside a character, but "|" can be a trail byte.
size_t CharacterLength(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x81 || lead > 0xFE || at + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces(1);
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(text, at);
        if (length == 1 && text[at] == separator)
            pieces.emplace_back();
        else
            pieces.back().append(text.substr(at, length));
        at += length;
    }
    return pieces;
}

std::vector<NamingRecord> ParseRecords(std::string_view text,
                                       std::string (*field)(std::string_view)) {
    std::vector<NamingRecord> records;
    if (text.empty()) return records;
    std::vector<std::string> pieces = SplitAt(text, '|');
    if (pieces.back().empty()) pieces.pop_back();
    for (const std::string& piece : pieces) {
        const std::vector<std::string> fields = SplitAt(piece, ';');
        NamingRecord record;
        for (size_t i = 0; i < record.size() && i < fields.size(); ++i)
            record[i] = field(fields[i]);
        records.push_back(std::move(record));
    }
    return records;
}

std::string Unchanged(std::string_view field) { return std::string(field); }

std::string Escaped(std::string_view field) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (size_t at = 0; at < field.size();) {
        const size_t length = CharacterLength(field, at);
        const auto byte = static_cast<unsigned char>(field[at]);
        if (length == 1 &&
            (byte <= 0x20 || byte >= 0x7F || byte == ';' || byte == '|' || byte == '%')) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out.append(field.substr(at, length));
        }
        at += length;
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string Unescaped(std::string_view field) {
    std::string out;
    for (size_t at = 0; at < field.size(); ++at) {
        if (field[at] == '%' && at + 2 < field.size() && HexDigit(field[at + 1]) >= 0 &&
            HexDigit(field[at + 2]) >= 0) {
            out += char(HexDigit(field[at + 1]) * 16 + HexDigit(field[at + 2]));
            at += 2;
        } else {
            out += field[at];
        }
    }
    return out;
}

// The plain form as the settings file holds it: a value is one line.
std::string StoredPlainText(const std::vector<NamingRecord>& records) {
    std::string text = PlainRecordText(records);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// A stored number as the profile functions' readers take it: the number at the start of the
// text, 0 when there is none.
double StoredNumber(const std::optional<std::string>& value) {
    if (!value) return 0;
    std::string_view text = *value;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    (void)end;
    if (error != std::errc() || !std::isfinite(number)) return 0;
    return number;
}

bool Equals(double number, double wanted) { return std::fabs(number - wanted) < 1e-7; }

// A part of a record's name: not empty, and without a character cut in half or lost on the way
// (a lead byte without its trail byte, or the "?" a converter leaves for a character it lacks).
bool IsWholeNamePart(std::string_view text) {
    if (text.empty()) return false;
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(text, at);
        const auto byte = static_cast<unsigned char>(text[at]);
        if (length == 1 && (byte >= 0x80 || byte == '?' || byte < 0x20)) return false;
        at += length;
    }
    return true;
}

// A record as the list writes it: surname, CR LF, given name, and short fields without NUL bytes.
// A cut or damaged record ("张 ?" with its given name lost) would only be junk in the list.
bool IsSoundRecord(const NamingRecord& record) {
    for (const std::string& field : record)
        if (field.size() > kMaxRecordFieldBytes || field.find('\0') != std::string::npos)
            return false;
    const std::string& name = record[0];
    const size_t lineBreak = name.find("\r\n");
    if (lineBreak == std::string::npos) return false;
    return IsWholeNamePart(std::string_view(name).substr(0, lineBreak)) &&
           IsWholeNamePart(std::string_view(name).substr(lineBreak + 2));
}

// The value cut at kMaxTextValueBytes, never inside a character.
std::string Bounded(std::string text) {
    if (text.size() <= kMaxTextValueBytes) return text;
    size_t at = 0;
    while (at < text.size()) {
        const size_t length = CharacterLength(text, at);
        if (at + length > kMaxTextValueBytes) break;
        at += length;
    }
    text.resize(at);
    return text;
}

}  // namespace

std::string PlainRecordText(const std::vector<NamingRecord>& records) {
    std::string text;
    for (const NamingRecord& record : records) {
        const std::string& name = record[0];
        for (size_t at = 0; at < name.size(); ++at) {
            const bool lineBreak = name.compare(at, 2, "\r\n") == 0;
            text += lineBreak ? ' ' : name[at];
            if (lineBreak) ++at;
        }
        for (size_t column = 1; column < record.size(); ++column) {
            text += ';';
            text += record[column];
        }
        text += '|';
    }
    return text;
}

std::vector<NamingRecord> ParsePlainRecordText(std::string_view text) {
    std::string lines;
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(text, at);
        if (length == 1 && text[at] == ' ')
            lines += "\r\n";
        else
            lines.append(text.substr(at, length));
        at += length;
    }
    return ParseRecords(lines, Unchanged);
}

std::string EscapedRecordText(const std::vector<NamingRecord>& records) {
    std::string text;
    for (const NamingRecord& record : records) {
        for (size_t column = 0; column < record.size(); ++column) {
            if (column > 0) text += ';';
            text += Escaped(record[column]);
        }
        text += '|';
    }
    return text;
}

std::vector<NamingRecord> ParseEscapedRecordText(std::string_view text) {
    return ParseRecords(text, Unescaped);
}

SavedSettings ReadSavedSettings(const SettingsFile& file) {
    SavedSettings settings;
    auto text = [&](const char* key) {
        std::string value = Bounded(file.Value(kSection, key).value_or(std::string()));
        // A NUL byte would end the text early wherever it is shown; the value is left out whole.
        if (value.find('\0') != std::string::npos) {
            settings.notes.push_back(std::string("设置文件中的“") + key +
                                     "”含有无效的字符，没有读入。");
            value.clear();
        }
        return value;
    };
    settings.surname = text(kSurname);
    settings.sexIndex = Equals(StoredNumber(file.Value(kSection, kSex)), 0) ? 0 : 1;
    settings.nameLengthIndex = Equals(StoredNumber(file.Value(kSection, kNameLength)), 1) ? 1 : 0;
    settings.combinationCharacters = text(kCombination);
    settings.englishGivenName = text(kEnglishGivenName);
    settings.scoreGivenName = text(kScoreGivenName);
    settings.highScoreCommonOnly =
        Equals(StoredNumber(file.Value(kSection, kHighScoreCommonOnly)), 1);
    settings.superLuckyCommonOnly =
        Equals(StoredNumber(file.Value(kSection, kSuperLuckyCommonOnly)), 1);
    settings.superLuckyFilters = text(kSuperLuckyFilters);
    settings.windowGeometry = text(kWindowGeometry);

    // The records are not bounded as a whole (every record counts), only field by field below.
    const std::string plain = file.Value(kSection, kRecords).value_or(std::string());
    settings.records = ParsePlainRecordText(plain);
    // The escaped records count only while they still agree with the plain ones: a file whose
    // plain records were rewritten by hand or by another program is read from those.
    if (const std::optional<std::string> escaped = file.Value(kSection, kEscapedRecords)) {
        std::vector<NamingRecord> exact = ParseEscapedRecordText(*escaped);
        if (StoredPlainText(exact) == plain) settings.records = std::move(exact);
    }
    const size_t readRecords = settings.records.size();
    std::erase_if(settings.records,
                  [](const NamingRecord& record) { return !IsSoundRecord(record); });
    if (const size_t dropped = readRecords - settings.records.size())
        settings.notes.push_back("设置文件中有 " + std::to_string(dropped) +
                                 " 条名字记录已损坏（残缺、过长或含有无效的字符），没有读入。");
    return settings;
}

void WriteSavedSettings(SettingsFile& file, const SavedSettings& settings) {
    file.SetValue(kSection, kSurname, settings.surname);
    file.SetValue(kSection, kSex, std::to_string(settings.sexIndex));
    file.SetValue(kSection, kNameLength, std::to_string(settings.nameLengthIndex));
    file.SetValue(kSection, kCombination, settings.combinationCharacters);
    file.SetValue(kSection, kEnglishGivenName, settings.englishGivenName);
    file.SetValue(kSection, kScoreGivenName, settings.scoreGivenName);
    file.SetValue(kSection, kHighScoreCommonOnly, settings.highScoreCommonOnly ? "1" : "0");
    file.SetValue(kSection, kSuperLuckyCommonOnly, settings.superLuckyCommonOnly ? "1" : "0");
    file.SetValue(kSection, kSuperLuckyFilters, settings.superLuckyFilters);
    file.SetValue(kSection, kWindowGeometry, settings.windowGeometry);

    const std::string plain = StoredPlainText(settings.records);
    file.SetValue(kSection, kRecords, plain);
    if (ParsePlainRecordText(plain) == settings.records)
        file.RemoveValue(kSection, kEscapedRecords);
    else
        file.SetValue(kSection, kEscapedRecords, EscapedRecordText(settings.records));
}
