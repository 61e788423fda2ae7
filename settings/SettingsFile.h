#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/WriteFileAtomically.h"

// The program's settings file: an INI file of sections in square brackets and key=value lines,
// read and written as GBK bytes the way the Windows profile functions keep it. Lines this program
// does not know (other sections, comments, other keys) are kept as they are when it writes.
class SettingsFile {
  public:
    // An empty path keeps the values in memory only; Save() then writes nothing.
    explicit SettingsFile(std::filesystem::path file = {});

    const std::filesystem::path& file() const { return m_file; }

    // Reads the file of any length. A missing file, a folder in its place or a read error gives an
    // empty store and false; damaged bytes are read as far as they make lines.
    bool Load();
    // Replaces the contents with these bytes, as if a file held them.
    void Parse(std::string_view bytes);

    // The value of the first line with this key in the first section of this name, without the
    // blanks around it and without one pair of enclosing double quotes; nullopt when missing.
    // Names compare without regard to ASCII case, as the profile functions do. A carriage
    // return inside the line reads as a space, as SetValue stores a line break.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // A value is one line: a line break in it (CR LF, CR or LF) is stored as a space.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Setting a value keeps one line of its key (the first) and removing it removes every copy,
    // so what is read after a write is what was written, however often the key was repeated.
    void RemoveValue(std::string_view section, std::string_view key);

    // The bytes Save() writes.
    std::string Text() const;
    // Writes the whole file at once through a temporary file, so a crash or a power cut leaves
    // either the old file or the new one; the folder is made when it is missing.
    files::WriteFileResult Save() const;

  private:
    struct Entry {
        std::string line;     // as read or as written, without its line break
        std::string section;  // the section it belongs to ("" before the first section)
        std::string key;      // "" for a section header, a comment or a line without "="
        bool header = false;  // "[section]"
    };
    // Index of the first entry of this key in this section at or after from, or -1.
    long Find(std::string_view section, std::string_view key, long from = 0) const;

    std::filesystem::path m_file;
    std::vector<Entry> m_entries;
};
