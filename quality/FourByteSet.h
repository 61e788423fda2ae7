#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quality {

// A set of texts of four bytes (two GBK characters), each held as one number in an open-addressed
// table: a run asks whether each of tens of thousands of found names is among a few thousand
// words, and a probe or two answers where a sorted list takes a dozen comparisons.
class FourByteSet {
  public:
    // Prepares room for about count texts, so that inserting them never rehashes.
    explicit FourByteSet(size_t count = 0);

    // Adds a text of four bytes; any other length is ignored.
    void Insert(std::string_view text);
    bool Contains(std::string_view text) const;
    bool empty() const { return m_size == 0; }

  private:
    static std::uint32_t ValueOf(std::string_view text);
    size_t SlotOf(std::uint32_t value) const;
    void Grow();

    // Zero marks an empty slot: no four GBK bytes are all zero.
    std::vector<std::uint32_t> m_slots;
    size_t m_size = 0;
};

}  // namespace quality
