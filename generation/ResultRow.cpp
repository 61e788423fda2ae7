#include "generation/ResultRow.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

constexpr size_t kMaxText = std::numeric_limits<std::uint16_t>::max();

}  // namespace

static_assert(sizeof(ResultRow) == 112, "a result row keeps its text in 112 bytes");

ResultRow::ResultRow(std::initializer_list<std::string_view> cells) {
    size_t size = 0;
    for (std::string_view cell : cells) size += cell.size();
    reserve(size);
    for (std::string_view cell : cells) push_back(cell);
}

ResultRow::ResultRow(const ResultRow& other)
    : m_ends(other.m_ends), m_cellCount(other.m_cellCount) {
    const size_t size = other.TextSize();
    if (size > kInlineText) {
        m_heap = std::make_unique_for_overwrite<char[]>(size);
        m_heapCapacity = static_cast<std::uint16_t>(size);
    }
    std::copy_n(other.Data(), size, Data());
}

ResultRow::ResultRow(ResultRow&& other) noexcept
    : m_heap(std::move(other.m_heap)),
      m_ends(other.m_ends),
      m_heapCapacity(other.m_heapCapacity),
      m_cellCount(other.m_cellCount) {
    if (!m_heap) std::copy_n(other.m_inline, TextSize(), m_inline);
    other.m_ends = {};
    other.m_heapCapacity = 0;
    other.m_cellCount = 0;
}

ResultRow& ResultRow::operator=(const ResultRow& other) {
    if (this != &other) *this = ResultRow(other);
    return *this;
}

ResultRow& ResultRow::operator=(ResultRow&& other) noexcept {
    if (this != &other) {
        m_heap = std::move(other.m_heap);
        m_ends = other.m_ends;
        m_heapCapacity = other.m_heapCapacity;
        m_cellCount = other.m_cellCount;
        if (!m_heap) std::copy_n(other.m_inline, TextSize(), m_inline);
        other.m_ends = {};
        other.m_heapCapacity = 0;
        other.m_cellCount = 0;
    }
    return *this;
}

bool operator==(const ResultRow& a, const ResultRow& b) {
    return a.m_cellCount == b.m_cellCount && a.m_ends == b.m_ends &&
           std::string_view(a.Data(), a.TextSize()) == std::string_view(b.Data(), b.TextSize());
}

void ResultRow::reserve(size_t textSize) {
    if (textSize > Capacity()) Grow(std::min(textSize, kMaxText));
}

void ResultRow::Grow(size_t capacity) {
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    std::copy_n(Data(), TextSize(), grown.get());
    m_heap = std::move(grown);
    m_heapCapacity = static_cast<std::uint16_t>(capacity);
}

void ResultRow::Splice(size_t at, size_t removed, std::string_view inserted) {
    const size_t size = TextSize();
    const size_t newSize = size - removed + inserted.size();
    if (newSize > kMaxText) throw std::length_error("a result row holds at most 65535 bytes");
    if (newSize > Capacity()) Grow(std::min(std::max(newSize, 2 * Capacity()), kMaxText));
    char* data = Data();
    std::memmove(data + at + inserted.size(), data + at + removed, size - at - removed);
    std::copy(inserted.begin(), inserted.end(), data + at);
}

std::string_view ResultRow::operator[](size_t column) const {
    if (column >= m_cellCount) return {};
    const size_t start = StartOf(column);
    return std::string_view(Data() + start, m_ends[column] - start);
}

void ResultRow::PushBackSlowly(std::string_view cell) {
    if (m_cellCount == kMaxCells) throw std::length_error("a result row holds at most 12 cells");
    const size_t size = TextSize();
    Splice(size, 0, cell);
    m_ends[m_cellCount++] = static_cast<std::uint16_t>(size + cell.size());
}

long long ResultRow::NumberIn(size_t column) const {
    const std::string_view cell = (*this)[column];
    long long number = 0;
    if (std::from_chars(cell.data(), cell.data() + cell.size(), number).ec != std::errc()) return 0;
    return number;
}

void ResultRow::AppendToLastCell(std::string_view text) {
    if (m_cellCount == 0) {
        push_back(text);
        return;
    }
    const size_t size = TextSize();
    Splice(size, 0, text);
    m_ends[m_cellCount - 1] = static_cast<std::uint16_t>(size + text.size());
}

void ResultRow::SetCell(size_t column, std::string_view text) {
    if (column >= m_cellCount) return;
    const size_t start = StartOf(column);
    const size_t oldSize = m_ends[column] - start;
    if (text.size() == oldSize) {  // a list's new number, mostly
        std::copy(text.begin(), text.end(), Data() + start);
        return;
    }
    Splice(start, oldSize, text);
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
    text.resize(start + TextSize() + (m_cellCount - 1) * separator.size());
    char* write = text.data() + start;
    const char* data = Data();
    size_t from = 0;
    // Byte by byte where a cell is a few bytes, too short to be worth a call to copy it; a long
    // one (a name's meaning) in one copy.
    for (size_t column = 0; column < m_cellCount; ++column) {
        if (column)
            for (char byte : separator) *write++ = byte;
        const size_t length = m_ends[column] - from;
        if (length >= 16) {
            std::memcpy(write, data + from, length);
            write += length;
        } else {
            for (size_t at = from; at < m_ends[column]; ++at) *write++ = data[at];
        }
        from = m_ends[column];
    }
}
