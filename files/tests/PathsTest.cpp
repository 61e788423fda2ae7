#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/ProgramFolder.h"
#include "files/Utf8Path.h"
#include "files/WriteFileAtomically.h"

namespace fs = std::filesystem;

namespace {

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
    const fs::path folder = files::ExecutableFolder(nullptr);
    std::error_code error;
    EXPECT_TRUE(fs::equivalent(folder, BABYNAME_TEST_PROGRAM_FOLDER, error))
        << folder << " " << error.message();
    EXPECT_TRUE(fs::exists(folder / BABYNAME_TEST_PROGRAM_NAME));
}

// A file named in UTF-8 gets that name on the disk, on every system; the listing gives it back.
TEST(Utf8Path, NamesFilesAndComesBack) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("babyname-paths-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::vector<std::string> names = {
        reinterpret_cast<const char*>(u8"报告.html"),
        reinterpret_cast<const char*>(u8"李明华 (2).txt"),
        reinterpret_cast<const char*>(u8"emoji😀.txt"),
        "plain.txt",
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path file = folder / files::PathFromUtf8(name);
        EXPECT_EQ(files::Utf8FromPath(file.filename()), name);
        ASSERT_TRUE(files::WriteFileAtomically(file, "x").ok());
    }
    std::vector<std::string> listed;
    for (const auto& entry : fs::directory_iterator(folder))
        listed.push_back(files::Utf8FromPath(entry.path().filename()));
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    fs::remove_all(folder);
}

}  // namespace
