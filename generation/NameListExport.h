#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/WriteFileAtomically.h"
#include "generation/GenerationObserver.h"

// The export files in the data folder: 按钮_高分导出, 按钮_超吉导出 and 按钮_经典导出.
inline constexpr const char* kHighScoreExportFile = "NameList.txt";
inline constexpr const char* kSuperLuckyExportFile = "100NameList.txt";
inline constexpr const char* kClassicExportFile = "ClassNameList.txt";
// The export of the 典籍 list (按钮_典籍导出).
inline constexpr const char* kCanonExportFile = "CanonNameList.txt";

// The text of a list export: the header line, then one line per row from the top down, the nine
// cells as shown (twelve for a 典籍 list, its source after the meaning) separated by four spaces,
// every line ended by CR LF. The rows stop at the first row whose 编号 is empty, the first row a
// run has inserted but not yet filled.
std::string NameListExportText(const std::vector<ResultRow>& rows);

// Writes the list export to file as GBK bytes with files::WriteFileAtomically, so a failed
// write leaves the earlier export whole. The result says whether the file was written and why
// not, so the caller can tell the user (and open only a file that was written).
files::WriteFileResult ExportNameList(const std::vector<ResultRow>& rows,
                                      const std::filesystem::path& file);

// Writes the classic text unchanged to file the same way.
files::WriteFileResult ExportClassicText(const std::string& classicText,
                                         const std::filesystem::path& file);
