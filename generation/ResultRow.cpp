#include "generation/ResultRow.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

constexpr size_t kMaxText = std::numeric_limits<std::uint16_t>::max();

// A number's decimal digits, without an allocation.
class DecimalText {
  public:
    explicit DecimalText(long long number)
        : m_end(std::to_chars(m_digits, m_digits + sizeof m_digits, number).ptr) {}
    std::string_view view() const {
        return std::string_view(m_digits, static_cast<size_t>(m_end - m_digits));
    }

  private:
    char m_digits[24];
    const char* m_end;
};

}  // namespace

ResultRow::ResultRow(std::initializer_list<std::string_view> cells) {
    size_t size = 0;
    for (std::string_view cell : cells) size += cell.size();
    m_text.reserve(size);
    for (std::string_view cell : cells) push_back(cell);
}

std::string_view ResultRow::operator[](size_t column) const {
    if (column >= m_cellCount) return {};
    const size_t start = StartOf(column);
    return std::string_view(m_text).substr(start, m_ends[column] - start);
}

void ResultRow::push_back(std::string_view cell) {
    if (m_cellCount == kMaxCells) throw std::length_error("a result row holds at most 8 cells");
    if (m_text.size() + cell.size() > kMaxText)
        throw std::length_error("a result row holds at most 65535 bytes");
    m_text += cell;
    m_ends[m_cellCount++] = static_cast<std::uint16_t>(m_text.size());
}

void ResultRow::PushNumber(long long number) { push_back(DecimalText(number).view()); }

long long ResultRow::NumberIn(size_t column) const {
    const std::string_view cell = (*this)[column];
    long long number = 0;
    if (std::from_chars(cell.data(), cell.data() + cell.size(), number).ec != std::errc()) return 0;
    return number;
}

void ResultRow::SetNumber(size_t column, long long number) {
    SetCell(column, DecimalText(number).view());
}

void ResultRow::AppendToLastCell(std::string_view text) {
    if (m_cellCount == 0) {
        push_back(text);
        return;
    }
    if (m_text.size() + text.size() > kMaxText)
        throw std::length_error("a result row holds at most 65535 bytes");
    m_text += text;
    m_ends[m_cellCount - 1] = static_cast<std::uint16_t>(m_text.size());
}

void ResultRow::SetCell(size_t column, std::string_view text) {
    if (column >= m_cellCount) return;
    const size_t start = StartOf(column);
    const size_t oldSize = m_ends[column] - start;
    if (m_text.size() - oldSize + text.size() > kMaxText)
        throw std::length_error("a result row holds at most 65535 bytes");
    m_text.replace(start, oldSize, text);
    // Every later cell moves by the difference; unsigned wrap-around gives the right ends when
    // the text shrinks.
    const auto shift = static_cast<std::uint16_t>(text.size() - oldSize);
    for (size_t k = column; k < m_cellCount; ++k)
        m_ends[k] = static_cast<std::uint16_t>(m_ends[k] + shift);
}

void ResultRow::AppendJoined(std::string& text, std::string_view separator) const {
    if (m_cellCount == 0) return;
    // Sized once and filled through a pointer: the command line joins 100 000 rows this way.
    const size_t start = text.size();
    text.resize(start + m_text.size() + (m_cellCount - 1) * separator.size());
    char* write = text.data() + start;
    size_t from = 0;
    for (size_t column = 0; column < m_cellCount; ++column) {
        if (column) write = std::copy(separator.begin(), separator.end(), write);
        write = std::copy(m_text.data() + from, m_text.data() + m_ends[column], write);
        from = m_ends[column];
    }
}
