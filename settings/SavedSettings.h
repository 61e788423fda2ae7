#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class SettingsFile;

// What the program keeps between runs, in its own terms: the inputs of the main window and the
// naming records. All texts are GBK.

// Columns 1-7 of a row of the record list: the name (surname, CR LF, given name), 简体笔划,
// 繁体笔划, 五行, 五格, 三才, 评分. Column 0 is the row number and is never stored.
using NamingRecord = std::array<std::string, 7>;

struct SavedSettings {
    std::string surname;
    int sexIndex = 0;         // 0 男, 1 女; -1 when nothing was selected
    int nameLengthIndex = 0;  // 0 一字, 1 二字; -1 when nothing was selected
    std::string combinationCharacters;
    std::string englishGivenName;
    std::string scoreGivenName;
    // 只用常用字 of the 高分 and 超吉 pages.
    bool highScoreCommonOnly = false;
    bool superLuckyCommonOnly = false;
    // The 超吉 filter boxes: the four groups in their order, joined by "|", each "1" or "0" (its
    // box ticked or not) followed by the captions of its ticked element boxes ("1金木|0|0|0").
    std::string superLuckyFilters;
    std::vector<NamingRecord> records;
    // Where the main window stood and how large it was, as the window encodes it (ASCII).
    std::string windowGeometry;
    // What reading left out, one sentence each (GBK): damaged records, and texts that held a
    // NUL byte. Empty for a sound file; never written.
    std::vector<std::string> notes;
};

// A page that keeps some of the saved values: it shows them when the program starts and gives
// back what the user left in it when they are saved. Each page knows only its own fields.
class KeepsSavedSettings {
  public:
    virtual ~KeepsSavedSettings() = default;
    virtual void RestoreSettings(const SavedSettings& settings) = 0;
    virtual void StoreSettings(SavedSettings& settings) const = 0;
};

// The most bytes a record field may hold when it is read: a name is a few characters and each
// figure a few digits, so a longer field is damage, and laying it out would stall the window.
constexpr size_t kMaxRecordFieldBytes = 64;
// The most bytes a text value is read with; a longer stored value is cut there, at a whole
// character.
constexpr size_t kMaxTextValueBytes = 10239;

// Reads the section "设置". Missing or damaged values give the defaults: an empty text, 男,
// 一字 and no records. A record whose name is not surname, CR LF and given name in whole
// two-byte characters, or with a field longer than kMaxRecordFieldBytes or holding a NUL byte, is
// left out; so is a text holding a NUL byte. Each such loss is told in notes.
SavedSettings ReadSavedSettings(const SettingsFile& file);
// Writes every key of the section "设置" (the file itself is saved by the caller).
void WriteSavedSettings(SettingsFile& file, const SavedSettings& settings);

// The stored form of the records: each record's seven fields joined by ";" and ended by "|",
// with the line break of the name written as a space.
std::string PlainRecordText(const std::vector<NamingRecord>& records);
// Reads the stored form back: every space becomes CR LF, "|" ends a record, ";" a field; missing
// fields are empty and fields beyond the seventh are ignored.
std::vector<NamingRecord> ParsePlainRecordText(std::string_view text);

// The plain form cannot hold a field with ";", "|", a space or a line break of its own. Such
// records are stored a second time in a form that escapes those bytes as %XX (and "%" itself).
std::string EscapedRecordText(const std::vector<NamingRecord>& records);
std::vector<NamingRecord> ParseEscapedRecordText(std::string_view text);
