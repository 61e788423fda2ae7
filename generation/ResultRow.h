#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

// One row of a result list, all cells text (GBK): 编号 | 姓名 | 简体笔划 | 繁体笔划 | 五行 | 五格
// | 三才 | 评分 | 寓意 for the Chinese lists (典籍起名 adds 出处 | 作者 | 原句), 编号 | 英文名 |
// 中文读音 | 相关含义 for the English list.
//
// The cells sit one after the other in one text, with a small table of where each ends, and a
// text of up to kInlineText bytes (a numerology row with a meaning of two characters' senses)
// sits inside the row itself: a 超吉 list holds 100 000 rows, and a row then costs 112 bytes and
// no allocation of its own.
class ResultRow {
  public:
    static constexpr size_t kMaxCells = 12;

    ResultRow() = default;
    ResultRow(std::initializer_list<std::string_view> cells);
    ResultRow(const ResultRow& other);
    ResultRow(ResultRow&& other) noexcept;
    ResultRow& operator=(const ResultRow& other);
    ResultRow& operator=(ResultRow&& other) noexcept;
    ~ResultRow() = default;

    size_t size() const { return m_cellCount; }
    bool empty() const { return m_cellCount == 0; }
    // The cell's text; empty beyond the row's last cell.
    std::string_view operator[](size_t column) const;

    // The texts handed to the changing calls below must not be views into this row.
    // Adds a cell at the end. Throws std::length_error past kMaxCells cells or 65535 bytes.
    void push_back(std::string_view cell) {
        // Written in place while the row has room: a run writes every cell of every row this way.
        const size_t size = TextSize();
        if (m_cellCount < kMaxCells && size + cell.size() <= Capacity()) {
            if (!cell.empty()) std::memcpy(Data() + size, cell.data(), cell.size());
            m_ends[m_cellCount++] = static_cast<std::uint16_t>(size + cell.size());
            return;
        }
        PushBackSlowly(cell);
    }
    // Adds a cell holding the number in decimal.
    void PushNumber(long long number) {
        char digits[kDigits];
        push_back(Decimal(number, digits));
    }
    // Lengthens the last cell (the surname's cell by the given name, say).
    void AppendToLastCell(std::string_view text);
    void reserve(size_t textSize);
    // The cell read as a decimal number (its leading digits); 0 when it holds none.
    long long NumberIn(size_t column) const;
    // Replaces a cell's text; a column beyond the last cell is ignored.
    void SetCell(size_t column, std::string_view text);
    void SetNumber(size_t column, long long number) {
        char digits[kDigits];
        SetCell(column, Decimal(number, digits));
    }
    // Appends the cells to text, separated by separator.
    void AppendJoined(std::string& text, std::string_view separator) const;
    // The room the row's own text takes, to size a text before appending many rows.
    size_t TextSize() const { return m_cellCount == 0 ? 0 : m_ends[m_cellCount - 1]; }

    friend bool operator==(const ResultRow& a, const ResultRow& b);

  private:
    static constexpr size_t kInlineText = 77;
    static constexpr size_t kDigits = 24;

    // The number's decimal digits, written into digits, without an allocation.
    static std::string_view Decimal(long long number, char (&digits)[kDigits]) {
        const char* end = std::to_chars(digits, digits + kDigits, number).ptr;
        return std::string_view(digits, static_cast<size_t>(end - digits));
    }

    size_t StartOf(size_t column) const { return column == 0 ? 0 : m_ends[column - 1]; }
    const char* Data() const { return m_heap ? m_heap.get() : m_inline; }
    char* Data() { return m_heap ? m_heap.get() : m_inline; }
    size_t Capacity() const { return m_heap ? m_heapCapacity : kInlineText; }
    // Replaces removed bytes at at by inserted, moving the text to the heap when it outgrows its
    // room; the ends are the caller's to adjust.
    void Splice(size_t at, size_t removed, std::string_view inserted);
    void PushBackSlowly(std::string_view cell);
    void Grow(size_t capacity);

    std::unique_ptr<char[]> m_heap;  // the text, once it outgrows m_inline
    std::array<std::uint16_t, kMaxCells> m_ends{};
    std::uint16_t m_heapCapacity = 0;
    std::uint8_t m_cellCount = 0;
    char m_inline[kInlineText];
};
