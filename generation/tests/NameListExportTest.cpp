#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "generation/NameListExport.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kHeader =
    "\xB1\xE0\xBA\xC5    \xD0\xD5\xC3\xFB    \xBC\xF2\xCC\xE5\xB1\xCA\xBB\xAE    "
    "\xB7\xB1\xCC\xE5\xB1\xCA\xBB\xAE    \xCE\xE5\xD0\xD0    \xCE\xE5\xB8\xF1    "
    "\xC8\xFD\xB2\xC5    \xC6\xC0\xB7\xD6    \xD4\xA2\xD2\xE2\r\n";

}  // namespace

TEST(NameListExportTest, WritesGbkLinesWithFourSpacesAndCrLf) {
    fixture::TempDir dir;
    const std::filesystem::path file = dir.path() / "NameList.txt";
    {
        std::ofstream old(file, std::ios::binary);
        old << std::string(5000, 'x');  // an earlier, longer export is replaced whole
    }
    const std::vector<ResultRow> rows = {
        {"1", "李月光", "17", "17", "木木火", "8,15,9,15,2", "金土水", "100", "明月；光明"},
        {"2", "李光月", "17", "17", "木火木", "8,13,11,17,5", "金火木", "95", ""}};
    EXPECT_TRUE(ExportNameList(rows, file));

    // 李月光 in GBK is C0 EE D4 C2 B9 E2; the five grids keep their commas; a name without a
    // known meaning keeps its empty last cell.
    const std::string expected =
        kHeader +
        "1    \xC0\xEE\xD4\xC2\xB9\xE2    17    17    \xC4\xBE\xC4\xBE\xBB\xF0    "
        "8,15,9,15,2    \xBD\xF0\xCD\xC1\xCB\xAE    100    "
        "\xC3\xF7\xD4\xC2\xA3\xBB\xB9\xE2\xC3\xF7\r\n"
        "2    \xC0\xEE\xB9\xE2\xD4\xC2    17    17    \xC4\xBE\xBB\xF0\xC4\xBE    "
        "8,13,11,17,5    \xBD\xF0\xBB\xF0\xC4\xBE    95    \r\n";
    EXPECT_EQ(ReadBytes(file), expected);

    ExportNameList({}, file);
    EXPECT_EQ(ReadBytes(file), kHeader);
}

TEST(NameListExportTest, StopsAtTheFirstUnfilledRow) {
    const std::vector<ResultRow> rows = {{"1", "a", "1", "1", "", "1,1,1,1,1", "", "9", "s"},
                                         {"", "", "", "", "", "", "", "", ""},
                                         {"3", "c", "1", "1", "", "1,1,1,1,1", "", "9", "s"}};
    EXPECT_EQ(NameListExportText(rows),
              kHeader + "1    a    1    1        1,1,1,1,1        9    s\r\n");
}

TEST(NameListExportTest, ClassicTextIsWrittenUnchanged) {
    fixture::TempDir dir;
    const std::filesystem::path file = dir.path() / kClassicExportFile;
    const std::string text = "李博涛  李鑫磊  ";  // no final line break, none added
    EXPECT_TRUE(ExportClassicText(text, file));
    EXPECT_EQ(ReadBytes(file), text);
    ExportClassicText("", file);
    EXPECT_EQ(ReadBytes(file), "");

    // A missing folder fails the write, and says so.
    EXPECT_FALSE(ExportClassicText(text, dir.path() / "missing" / kClassicExportFile));
    EXPECT_FALSE(ExportNameList({}, dir.path() / "missing" / kHighScoreExportFile));
}
