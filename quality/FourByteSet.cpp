#include "quality/FourByteSet.h"

namespace quality {

FourByteSet::FourByteSet(size_t count) {
    size_t slots = 16;
    while (slots < count * 2) slots *= 2;  // at most half full
    m_slots.assign(slots, 0);
}

std::uint32_t FourByteSet::ValueOf(std::string_view text) {
    std::uint32_t value = 0;
    for (const char byte : text) value = value << 8 | static_cast<unsigned char>(byte);
    return value;
}

size_t FourByteSet::SlotOf(std::uint32_t value) const {
    // Fibonacci hashing spreads the close numbers of neighbouring characters over the table.
    const size_t mask = m_slots.size() - 1;
    size_t slot = static_cast<size_t>((value * 2654435769u) >> 7) & mask;
    while (m_slots[slot] != 0 && m_slots[slot] != value) slot = (slot + 1) & mask;
    return slot;
}

void FourByteSet::Insert(std::string_view text) {
    if (text.size() != 4) return;
    const std::uint32_t value = ValueOf(text);
    if (value == 0) return;
    if ((m_size + 1) * 2 > m_slots.size()) Grow();
    const size_t slot = SlotOf(value);
    if (m_slots[slot] == value) return;
    m_slots[slot] = value;
    ++m_size;
}

bool FourByteSet::Contains(std::string_view text) const {
    if (text.size() != 4 || m_size == 0) return false;
    const std::uint32_t value = ValueOf(text);
    return value != 0 && m_slots[SlotOf(value)] == value;
}

void FourByteSet::Grow() {
    std::vector<std::uint32_t> old;
    old.swap(m_slots);
    m_slots.assign(old.size() * 2, 0);
    for (const std::uint32_t value : old)
        if (value != 0) m_slots[SlotOf(value)] = value;
}

}  // namespace quality
