#include "quality/NameSense.h"

#include <algorithm>
#include <iterator>

#include "quality/QualityTables.h"

namespace quality {

namespace {

// Two-byte GBK codes: lead bytes 81-FE, trail bytes 40-FE.
constexpr unsigned kLeads = 0xFE - 0x81 + 1;
constexpr unsigned kTrails = 0xFE - 0x40 + 1;

bool IsTwoByteCharacter(std::string_view character) {
    if (character.size() != 2) return false;
    const auto lead = static_cast<unsigned char>(character[0]);
    const auto trail = static_cast<unsigned char>(character[1]);
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE;
}

size_t SlotIndex(std::string_view character) {
    return (static_cast<unsigned char>(character[0]) - 0x81u) * kTrails +
           (static_cast<unsigned char>(character[1]) - 0x40u);
}

std::uint16_t CodeOf(std::string_view character) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                      static_cast<unsigned char>(character[1]));
}

// The byte length of the GBK character at text's start: two after a lead byte, else one.
size_t CharacterLength(std::string_view text) {
    return static_cast<unsigned char>(text[0]) >= 0x81 && text.size() >= 2 ? 2 : 1;
}

}  // namespace

NameSenseTable NameSenseTable::Load(SqliteDatabase& db) {
    NameSenseTable table;
    table.m_characterText = ReadPackedList(db, "寓意");
    table.m_wordText = ReadPackedList(db, "词义");
    if (table.m_characterText.empty()) return table;
    table.m_slotOfCode.resize(size_t{kLeads} * kTrails);
    const std::string& senses = table.m_characterText;
    ForEachPackedLine(senses, '\n', [&](std::string_view character, std::string_view sense) {
        if (!IsTwoByteCharacter(character) || sense.empty()) return;
        Slot& slot = table.SlotToFill(character);
        slot.senseOffset = static_cast<std::uint32_t>(sense.data() - senses.data());
        slot.senseLength = static_cast<std::uint16_t>(std::min<size_t>(sense.size(), 0xFFFF));
    });
    // The builder writes the words in byte order, so the words of one first character stand
    // together; a hand-made list is put in that order first.
    struct Listed {
        std::uint32_t key;  // the word's two GBK codes
        std::uint32_t senseOffset;
        std::uint16_t senseLength;
        bool operator<(const Listed& other) const { return key < other.key; }
    };
    std::vector<Listed> listed;
    const std::string& words = table.m_wordText;
    ForEachPackedLine(words, '\n', [&](std::string_view word, std::string_view sense) {
        if (word.size() != 4 || sense.empty()) return;
        const std::string_view first = word.substr(0, 2);
        const std::string_view second = word.substr(2);
        if (!IsTwoByteCharacter(first) || !IsTwoByteCharacter(second)) return;
        listed.push_back({std::uint32_t{CodeOf(first)} << 16 | CodeOf(second),
                          static_cast<std::uint32_t>(sense.data() - words.data()),
                          static_cast<std::uint16_t>(std::min<size_t>(sense.size(), 0xFFFF))});
    });
    if (!std::is_sorted(listed.begin(), listed.end()))
        std::stable_sort(listed.begin(), listed.end());
    table.m_words.reserve(listed.size());
    for (size_t k = 0; k < listed.size(); ++k) {
        if (k > 0 && listed[k].key == listed[k - 1].key) continue;  // a word listed twice
        const char first[2] = {static_cast<char>(listed[k].key >> 24),
                               static_cast<char>(listed[k].key >> 16)};
        Slot& slot = table.SlotToFill(std::string_view(first, 2));
        if (slot.wordCount == 0) slot.firstWord = static_cast<std::uint32_t>(table.m_words.size());
        ++slot.wordCount;
        table.m_words.push_back({static_cast<std::uint16_t>(listed[k].key & 0xFFFF),
                                 listed[k].senseLength, listed[k].senseOffset});
    }
    return table;
}

const NameSenseTable::Slot* NameSenseTable::SlotOf(std::string_view character) const {
    if (m_slotOfCode.empty() || !IsTwoByteCharacter(character)) return nullptr;
    const std::uint16_t slot = m_slotOfCode[SlotIndex(character)];
    return slot == 0 ? nullptr : &m_slots[slot - 1u];
}

NameSenseTable::Slot& NameSenseTable::SlotToFill(std::string_view character) {
    std::uint16_t& slot = m_slotOfCode[SlotIndex(character)];
    if (slot == 0) {
        m_slots.emplace_back();
        slot = static_cast<std::uint16_t>(m_slots.size());  // at most one slot for each code
    }
    return m_slots[slot - 1u];
}

std::string_view NameSenseTable::CharacterSense(const Slot& slot) const {
    return std::string_view(m_characterText).substr(slot.senseOffset, slot.senseLength);
}

std::string_view NameSenseTable::WordSense(const Slot& first, std::string_view second) const {
    if (first.wordCount == 0 || !IsTwoByteCharacter(second)) return {};
    const std::uint16_t code = CodeOf(second);
    const auto begin = m_words.begin() + first.firstWord;
    const auto end = begin + first.wordCount;
    const auto found = std::lower_bound(
        begin, end, code, [](const Word& word, std::uint16_t c) { return word.second < c; });
    if (found == end || found->second != code) return {};
    return std::string_view(m_wordText).substr(found->senseOffset, found->senseLength);
}

void NameSenseTable::AppendSenseOf(std::string_view givenName, std::string& text) const {
    if (m_slotOfCode.empty() || givenName.empty()) return;
    // A name says its meaning only when every character has one: half a meaning would pass over
    // an unfit character (思死) or one the review never saw.
    std::string_view senses[4];
    size_t count = 0;
    std::string_view previous;
    const Slot* firstSlot = nullptr;
    size_t characters = 0;
    for (std::string_view rest = givenName; !rest.empty();) {
        const std::string_view character = rest.substr(0, CharacterLength(rest));
        rest.remove_prefix(character.size());
        const Slot* slot = SlotOf(character);
        if (!slot) return;
        if (++characters == 1) firstSlot = slot;
        if (characters == 2 && rest.empty()) {
            if (const std::string_view word = WordSense(*firstSlot, character); !word.empty()) {
                text += word;
                return;
            }
        }
        if (character == previous) continue;  // 婷婷: the sense of 婷, once
        previous = character;
        const std::string_view sense = CharacterSense(*slot);
        if (sense.empty() || count == std::size(senses)) return;
        senses[count++] = sense;
    }
    for (size_t k = 0; k < count; ++k) {
        if (k > 0) text += "；";
        text += senses[k];
    }
}

bool NameSenseTable::HasSense(std::string_view character) const {
    const Slot* slot = SlotOf(character);
    return slot && slot->senseLength > 0;
}

bool NameSenseTable::IsNameWord(std::string_view givenName) const {
    if (givenName.size() != 4) return false;
    const Slot* first = SlotOf(givenName.substr(0, 2));
    return first && !WordSense(*first, givenName.substr(2)).empty();
}

std::string NameSenseTable::SenseOf(std::string_view givenName) const {
    std::string text;
    AppendSenseOf(givenName, text);
    return text;
}

}  // namespace quality
