#include "generation/NameListExport.h"

#include "files/WriteFileAtomically.h"

namespace {

constexpr const char* kSeparator = "    ";
constexpr const char* kLineEnd = "\r\n";

}  // namespace

std::string NameListExportText(const std::vector<ResultRow>& rows) {
    // A 典籍 list carries the source of each name in three more columns.
    const size_t columns = !rows.empty() && rows.front().size() == 12 ? 12 : 9;
    std::string text =
        "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分    寓意";
    if (columns == 12) text += "    出处    作者    原句";
    text += kLineEnd;
    for (const ResultRow& row : rows) {
        if (row.empty() || row[0].empty()) break;
        for (size_t column = 0; column < columns; ++column) {
            if (column > 0) text += kSeparator;
            if (column < row.size()) text += row[column];
        }
        text += kLineEnd;
    }
    return text;
}

files::WriteFileResult ExportNameList(const std::vector<ResultRow>& rows,
                                      const std::filesystem::path& file) {
    return files::WriteFileAtomically(file, NameListExportText(rows));
}

files::WriteFileResult ExportClassicText(const std::string& classicText,
                                         const std::filesystem::path& file) {
    return files::WriteFileAtomically(file, classicText);
}
