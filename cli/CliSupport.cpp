#include "cli/CliSupport.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include "files/Utf8Path.h"
#include "namedb/OpenNameDatabaseFile.h"
#include "numerology/CharacterLookup.h"
#include "text/Gbk.h"

namespace cli {

std::string ToGbk(const std::string& utf8) { return text::Utf8ToGbk(utf8); }

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    // Windows hands main its arguments in the ANSI code page, which turns 李 into "?" or into GBK
    // bytes; the command line as the system keeps it, in UTF-16, holds every character.
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 0; i < count; ++i) {
            const int length = int(wcslen(wide[i]));
            const int size = length ? WideCharToMultiByte(CP_UTF8, 0, wide[i], length, nullptr, 0,
                                                          nullptr, nullptr)
                                    : 0;
            std::string utf8(size_t(size > 0 ? size : 0), '\0');
            if (size > 0)
                WideCharToMultiByte(CP_UTF8, 0, wide[i], length, utf8.data(), size, nullptr,
                                    nullptr);
            arguments.push_back(std::move(utf8));
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv, argv + argc);
}

namespace {

// UTF-8 bytes go to a pipe or a file as they are. A Windows console would show them in its own
// code page, so it gets the text through its wide call instead.
void Write(std::FILE* stream, const std::string& utf8) {
#ifdef _WIN32
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (!utf8.empty() && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
        std::wstring wide(size_t(length > 0 ? length : 0), L'\0');
        if (length > 0)
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
        std::fflush(stream);
        DWORD written = 0;
        if (WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr)) return;
    }
#endif
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

}  // namespace

void Print(const std::string& gbk, bool newline) {
    std::string utf8 = text::GbkToUtf8(gbk);
    if (newline) utf8.push_back('\n');
    Write(stdout, utf8);
}

void PrintError(const std::string& gbk) { PrintErrorUtf8(text::GbkToUtf8(gbk)); }

void PrintErrorUtf8(const std::string& utf8) { Write(stderr, utf8 + "\n"); }

int UsageError(const std::string& gbk) {
    PrintError(gbk);
    return kExitUsage;
}

bool IsChineseCharacter(unsigned char lead, unsigned char trail) {
    return ::IsChineseCharacter(lead, trail);
}

bool IsOneOrTwoChineseCharacters(std::string_view gbk) {
    return ::IsOneOrTwoChineseCharacters(gbk);
}

bool FileArgument(const std::string& native, std::filesystem::path& file) {
    if (native.empty()) return false;
    file = files::PathFromUtf8(native);
    return true;
}

namespace {
class StderrSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& gbkText) override { PrintError(gbkText); }
};
}  // namespace

bool LoadDatabase(const CliContext& context, SqliteDatabase& db) {
    StderrSink sink;
    return OpenNameDatabaseFile(db, context.databaseFile, sink);
}

}  // namespace cli
