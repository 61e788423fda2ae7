#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "generation/ResultRow.h"

namespace {

std::string Joined(const ResultRow& row) {
    std::string text;
    row.AppendJoined(text, "|");
    return text;
}

// Renumbering a list rewrites the first cell of every row: the cells after it must keep their
// text whether the number grows a digit or loses one.
TEST(ResultRowTest, ReplacingACellKeepsTheOthers) {
    ResultRow row{"9", "李明", "", "100"};
    row.SetNumber(0, 10);
    EXPECT_EQ(Joined(row), "10|李明||100");
    row.SetCell(2, "木火");
    row.SetNumber(0, 7);
    EXPECT_EQ(Joined(row), "7|李明|木火|100");
    EXPECT_EQ(row, (ResultRow{"7", "李明", "木火", "100"}));
    EXPECT_EQ(row.NumberIn(3), 100);
    row.SetCell(9, "ignored");
    EXPECT_EQ(row.size(), 4u);
    EXPECT_EQ(row[9], "");
}

// A long cell (an English name's meaning) takes the row's text out of the row onto the heap;
// copies and moves keep every cell either way.
TEST(ResultRowTest, LongTextsSurviveCopiesAndMoves) {
    const std::string meaning(300, 'm');
    ResultRow row{"1", "Adam", "亚当"};
    const ResultRow shortCopy = row;
    row.push_back(meaning);
    row.SetCell(1, "Alexander");
    ResultRow copy = row;
    EXPECT_EQ(copy, row);
    EXPECT_EQ(copy[3], meaning);
    ResultRow moved = std::move(copy);
    EXPECT_EQ(moved, row);
    EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): a moved-from row is empty
    moved = shortCopy;
    EXPECT_EQ(Joined(moved), "1|Adam|亚当");
    row.SetCell(3, "");
    EXPECT_EQ(Joined(row), "1|Alexander|亚当|");
}

TEST(ResultRowTest, NumbersAreReadFromTheirLeadingDigits) {
    const ResultRow row{"95", "", "x1", "-3", "12,4"};
    EXPECT_EQ(row.NumberIn(0), 95);
    EXPECT_EQ(row.NumberIn(1), 0);
    EXPECT_EQ(row.NumberIn(2), 0);
    EXPECT_EQ(row.NumberIn(3), -3);
    EXPECT_EQ(row.NumberIn(4), 12);
    EXPECT_EQ(row.NumberIn(8), 0);
}

TEST(ResultRowTest, RefusesMoreThanItCanHold) {
    ResultRow row{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    EXPECT_THROW(row.push_back("13"), std::length_error);
    ResultRow wide;
    wide.push_back(std::string(65535, 'a'));
    EXPECT_THROW(wide.AppendToLastCell("a"), std::length_error);
    EXPECT_THROW(wide.SetCell(0, std::string(65536, 'b')), std::length_error);
    EXPECT_EQ(wide[0].size(), 65535u);
}

}  // namespace
