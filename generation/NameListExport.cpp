#include "generation/NameListExport.h"

#include <fstream>

namespace {

constexpr const char* kSeparator = "    ";
constexpr const char* kLineEnd = "\r\n";

bool WriteWholeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

std::string NameListExportText(const std::vector<ResultRow>& rows) {
    std::string text = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分";
    text += kLineEnd;
    for (const ResultRow& row : rows) {
        if (row.empty() || row[0].empty()) break;
        for (size_t column = 0; column < 8; ++column) {
            if (column > 0) text += kSeparator;
            if (column < row.size()) text += row[column];
        }
        text += kLineEnd;
    }
    return text;
}

bool ExportNameList(const std::vector<ResultRow>& rows, const std::filesystem::path& file,
                    GenerationObserver& observer) {
    const bool written = WriteWholeFile(file, NameListExportText(rows));
    observer.OpenDocument(file);
    return written;
}

bool ExportClassicText(const std::string& classicText, const std::filesystem::path& file,
                       GenerationObserver& observer) {
    const bool written = WriteWholeFile(file, classicText);
    observer.OpenDocument(file);
    return written;
}
