#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "numerology/CharacterRecord.h"

// The generation character table: the ordered records a generation run scores with. It may hold
// a character more than once and a lookup answers with the first entry, exactly as a scan from
// the front would; an index by the character's bytes makes that lookup constant-time, because
// the scoring loop looks up four characters for each of millions of candidates.
class CharacterTable {
  public:
    CharacterTable() = default;
    explicit CharacterTable(std::vector<CharacterRecord> entries);
    CharacterTable(const CharacterTable& other);
    CharacterTable& operator=(const CharacterTable& other);
    CharacterTable(CharacterTable&&) noexcept = default;
    CharacterTable& operator=(CharacterTable&&) noexcept = default;

    // Grows or shrinks to count entries; new entries are empty records.
    void Resize(std::size_t count);
    void Set(std::size_t index, CharacterRecord record);
    void Append(CharacterRecord record);
    void Clear();

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const CharacterRecord& operator[](std::size_t index) const { return m_entries[index]; }
    const std::vector<CharacterRecord>& entries() const { return m_entries; }

    // The first entry whose character equals the given bytes, or nullptr.
    const CharacterRecord* Find(std::string_view character) const {
        int slot = SlotOf(character);
        if (slot < 0) return FindByScan(character);
        if (!m_firstBySlot || m_firstBySlot[slot] == kNone) return nullptr;
        return &m_entries[static_cast<std::size_t>(m_firstBySlot[slot] - 1)];
    }

  private:
    static constexpr std::int32_t kNone = 0;
    static constexpr int kOneByteSlots = 256;
    static constexpr int kSlotCount = kOneByteSlots + 65536;
    // Index slot for a one- or two-byte character; -1 for any other length.
    static int SlotOf(std::string_view character) {
        if (character.size() == 2)
            return kOneByteSlots + (static_cast<unsigned char>(character[0]) << 8 |
                                    static_cast<unsigned char>(character[1]));
        if (character.size() == 1) return static_cast<unsigned char>(character[0]);
        return -1;
    }
    const CharacterRecord* FindByScan(std::string_view character) const;
    void IndexEntry(std::size_t index);
    void UnindexEntry(std::size_t index);
    void Reindex();

    std::vector<CharacterRecord> m_entries;
    // First entry per slot, plus one (kNone for no entry); allocated with the first indexed entry.
    // Zero stands for none so that the table comes from calloc: the system hands out zeroed pages
    // as they are first touched, and a run touches the few that its characters fall in.
    struct FreeSlots {
        void operator()(std::int32_t* table) const { std::free(table); }
    };
    std::unique_ptr<std::int32_t[], FreeSlots> m_firstBySlot;
};
