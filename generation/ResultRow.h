#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One row of a result list, all cells text (GBK): 编号 | 姓名 | 简体笔划 | 繁体笔划 | 五行 | 五格
// | 三才 | 评分 for the Chinese lists, 编号 | 英文名 | 中文读音 | 相关含义 for the English list.
//
// The cells sit one after the other in a single string, with a small table of where each ends:
// a 超吉 list holds 100 000 rows, and a row then costs one allocation instead of nine.
class ResultRow {
  public:
    static constexpr size_t kMaxCells = 8;

    ResultRow() = default;
    ResultRow(std::initializer_list<std::string_view> cells);

    size_t size() const { return m_cellCount; }
    bool empty() const { return m_cellCount == 0; }
    // The cell's text; empty beyond the row's last cell.
    std::string_view operator[](size_t column) const;

    // Adds a cell at the end. Throws std::length_error past kMaxCells cells or 65535 bytes.
    void push_back(std::string_view cell);
    // Adds a cell holding the number in decimal.
    void PushNumber(long long number);
    // Lengthens the last cell (the surname's cell by the given name, say).
    void AppendToLastCell(std::string_view text);
    void reserve(size_t textSize) { m_text.reserve(textSize); }
    // The cell read as a decimal number (its leading digits); 0 when it holds none.
    long long NumberIn(size_t column) const;
    // Replaces a cell's text; a column beyond the last cell is ignored.
    void SetCell(size_t column, std::string_view text);
    void SetNumber(size_t column, long long number);
    // Appends the cells to text, separated by separator.
    void AppendJoined(std::string& text, std::string_view separator) const;
    // The room the row's own text takes, to size a text before appending many rows.
    size_t TextSize() const { return m_text.size(); }

    friend bool operator==(const ResultRow&, const ResultRow&) = default;

  private:
    size_t StartOf(size_t column) const { return column == 0 ? 0 : m_ends[column - 1]; }

    std::string m_text;
    std::array<std::uint16_t, kMaxCells> m_ends{};
    std::uint8_t m_cellCount = 0;
};
