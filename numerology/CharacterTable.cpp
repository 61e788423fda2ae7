#include "numerology/CharacterTable.h"

#include <algorithm>
#include <cstdlib>
#include <new>

CharacterTable::CharacterTable(std::vector<CharacterRecord> entries)
    : m_entries(std::move(entries)) {
    Reindex();
}

CharacterTable::CharacterTable(const CharacterTable& other) : m_entries(other.m_entries) {
    Reindex();
}

CharacterTable& CharacterTable::operator=(const CharacterTable& other) {
    if (this != &other) {
        m_entries = other.m_entries;
        Reindex();
    }
    return *this;
}

void CharacterTable::IndexEntry(std::size_t index) {
    int slot = SlotOf(m_entries[index].character);
    if (slot < 0) return;
    if (!m_firstBySlot) {
        m_firstBySlot.reset(
            static_cast<std::int32_t*>(std::calloc(kSlotCount, sizeof(std::int32_t))));
        if (!m_firstBySlot) throw std::bad_alloc();
    }
    std::int32_t& first = m_firstBySlot[slot];
    const auto mark = static_cast<std::int32_t>(index + 1);
    if (first == kNone || first > mark) first = mark;
}

void CharacterTable::UnindexEntry(std::size_t index) {
    int slot = SlotOf(m_entries[index].character);
    if (slot < 0 || !m_firstBySlot || m_firstBySlot[slot] != static_cast<std::int32_t>(index + 1))
        return;
    // The entry was the first of its character: the next one of the same character takes over.
    m_firstBySlot[slot] = kNone;
    for (std::size_t later = index + 1; later < m_entries.size(); ++later) {
        if (m_entries[later].character == m_entries[index].character) {
            m_firstBySlot[slot] = static_cast<std::int32_t>(later + 1);
            break;
        }
    }
}

void CharacterTable::Reindex() {
    m_firstBySlot.reset();
    for (std::size_t i = 0; i < m_entries.size(); ++i) IndexEntry(i);
}

void CharacterTable::Resize(std::size_t count) {
    if (count < m_entries.size()) {
        m_entries.resize(count);
        Reindex();
        return;
    }
    std::size_t old = m_entries.size();
    m_entries.resize(count);
    for (std::size_t i = old; i < count; ++i) IndexEntry(i);
}

void CharacterTable::Set(std::size_t index, CharacterRecord record) {
    if (index >= m_entries.size()) return;
    UnindexEntry(index);
    m_entries[index] = std::move(record);
    IndexEntry(index);
}

void CharacterTable::Append(CharacterRecord record) {
    m_entries.push_back(std::move(record));
    IndexEntry(m_entries.size() - 1);
}

void CharacterTable::Clear() {
    m_entries.clear();
    m_firstBySlot.reset();
}

const CharacterRecord* CharacterTable::FindByScan(std::string_view character) const {
    for (const CharacterRecord& entry : m_entries)
        if (entry.character == character) return &entry;
    return nullptr;
}
