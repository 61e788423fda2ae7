#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "files/Utf8Path.h"
#include "files/WriteFileAtomically.h"

#ifdef __unix__
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif
#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;
using files::WriteFileAtomically;
using files::WriteFileError;

namespace {

class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        m_path =
            fs::temp_directory_path() /
            ("babyname-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + std::to_string(counter++) + "-" +
             std::to_string(std::hash<std::thread::id>()(std::this_thread::get_id())));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

  private:
    fs::path m_path;
};

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteRaw(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Only the files a case made itself remain: no temporary is left behind, whatever happened.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(files::Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFileAtomically, TargetsOfEveryKind) {
    struct Case {
        const char* name;
        std::function<fs::path(const fs::path& folder)> make;  // returns the path to write
        WriteFileError error;
        const char* replacedFile;  // the file that must hold the new bytes ("" when refused)
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"a new file",
         [](const fs::path& f) { return f / "page.html"; },
         WriteFileError::None,
         "page.html",
         {"page.html"}},
        {"an old file",
         [](const fs::path& f) {
             WriteRaw(f / "page.html", std::string(10000, 'o'));
             return f / "page.html";
         },
         WriteFileError::None,
         "page.html",
         {"page.html"}},
        {"a folder",
         [](const fs::path& f) {
             fs::create_directory(f / "folder");
             WriteRaw(f / "folder" / "inside", "kept");
             return f / "folder";
         },
         WriteFileError::NotARegularFile,
         "",
         {"folder"}},
#ifndef _WIN32
        // Windows gives symbolic links to administrators only, and wine has none.
        {"a link to a file: the link stays, its target is replaced",
         [](const fs::path& f) {
             WriteRaw(f / "real.html", "old");
             fs::create_symlink("real.html", f / "link.html");
             return f / "link.html";
         },
         WriteFileError::None,
         "real.html",
         {"link.html", "real.html"}},
        {"a link to a file not yet there",
         [](const fs::path& f) {
             fs::create_symlink("later.html", f / "link.html");
             return f / "link.html";
         },
         WriteFileError::None,
         "later.html",
         {"later.html", "link.html"}},
        {"a link to a folder",
         [](const fs::path& f) {
             fs::create_directory(f / "folder");
             fs::create_directory_symlink("folder", f / "link");
             return f / "link";
         },
         WriteFileError::NotARegularFile,
         "",
         {"folder", "link"}},
#endif
#ifdef __unix__
        {"a pipe",
         [](const fs::path& f) {
             ::mkfifo((f / "pipe").c_str(), 0600);
             return f / "pipe";
         },
         WriteFileError::NotARegularFile,
         "",
         {"pipe"}},
#endif
#ifndef _WIN32
        {"a link loop",
         [](const fs::path& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
             return f / "a";
         },
         WriteFileError::LinkLoop,
         "",
         {"a", "b"}},
#endif
        {"a missing folder",
         [](const fs::path& f) { return f / "missing" / "page.html"; },
         WriteFileError::CannotCreateTemporary,
         "",
         {}},
        {"a name outside GBK",
         [](const fs::path& f) { return f / fs::u8path(u8"名字😀ŋ.txt"); },
         WriteFileError::None,
         reinterpret_cast<const char*>(u8"名字😀ŋ.txt"),
         {reinterpret_cast<const char*>(u8"名字😀ŋ.txt")}},
    };
    const std::string page = "<html>" + std::string(70000, 'n') + "</html>";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const fs::path target = c.make(folder.path());
        const files::WriteFileResult result = WriteFileAtomically(target, page);
        EXPECT_EQ(result.error, c.error) << result.Message();
        EXPECT_EQ(result.ok(), c.error == WriteFileError::None);
        EXPECT_EQ(result.Message().empty(), result.ok());
        if (*c.replacedFile) {
            EXPECT_EQ(ReadAll(folder.path() / fs::u8path(c.replacedFile)), page);
        }
        EXPECT_EQ(Entries(folder.path()), c.entries);
    }
}

#ifdef __unix__
// A write that fails half way (here at a file size limit, as on a full disk) leaves the old file
// byte for byte as it was, and no temporary.
TEST(WriteFileAtomically, AFailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "NameList.txt";
    const std::string old = "编号    姓名\r\n" + std::string(3000, 'o');
    WriteRaw(file, old);
    ::chmod(file.c_str(), 0640);

    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 16 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const files::WriteFileResult result = WriteFileAtomically(file, std::string(64 * 1024, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.error, WriteFileError::WriteFailed);
    EXPECT_EQ(result.systemError, std::errc::file_too_large);
    EXPECT_NE(result.Message().find("NameList.txt"), std::string::npos);
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"NameList.txt"});

    // A later write that fits keeps the file's own permissions.
    ASSERT_TRUE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

#ifdef __unix__
// A new file gets the permissions any program's new file gets here (0666 less the umask), not
// the owner-only mode of a temporary: an export is for the parent to share and print.
TEST(WriteFileAtomically, ANewFileHasTheUsualPermissions) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    const fs::path file = folder.path() / "NameList.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "1"));
    ::umask(mask);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}
#endif

// Writers of one file at the same time never share a temporary: every write succeeds and the
// file ends as one of them wrote it, whole.
TEST(WriteFileAtomically, WritersAtTheSameTimeAllSucceed) {
    TempFolder folder;
    const fs::path file = folder.path() / "temp.html";
    constexpr int kWriters = 4;
    constexpr int kWrites = 50;
    std::vector<std::string> pages;
    for (int i = 0; i < kWriters; ++i) pages.push_back(std::string(20000 + i, char('a' + i)));
    std::vector<int> failures(kWriters, 0);
    std::vector<std::thread> writers;
    for (int i = 0; i < kWriters; ++i)
        writers.emplace_back([&, i] {
            for (int n = 0; n < kWrites; ++n)
                if (!WriteFileAtomically(file, pages[i])) ++failures[i];
        });
    for (std::thread& writer : writers) writer.join();
    EXPECT_EQ(failures, std::vector<int>(kWriters, 0));
    EXPECT_NE(std::find(pages.begin(), pages.end(), ReadAll(file)), pages.end());
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"temp.html"});
}

#ifdef _WIN32
// A target that another program holds open without letting it be replaced: the write gives up
// with the old file whole and no temporary left, and succeeds once the file is let go.
TEST(WriteFileAtomically, AHeldTargetKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "NameList.txt";
    WriteRaw(file, "old");
    HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const files::WriteFileResult result = WriteFileAtomically(file, "new");
    CloseHandle(holder);
    EXPECT_EQ(result.error, WriteFileError::RenameFailed) << result.Message();
    EXPECT_NE(result.Message().find("NameList.txt"), std::string::npos);
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"NameList.txt"});
    ASSERT_TRUE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(ReadAll(file), "new");
}
#endif

}  // namespace
