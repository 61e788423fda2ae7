#include "settings/SettingsFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Blanks around a value and one pair of enclosing quotes are not part of it when it is read, so
// a value that has them is written inside quotes to come back unchanged.
std::string ValueLine(std::string_view key, std::string_view value) {
    const bool blankEdge = !value.empty() && (value.front() == ' ' || value.front() == '\t' ||
                                              value.back() == ' ' || value.back() == '\t');
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    std::string line(key);
    line += '=';
    if (blankEdge || quoted) {
        line += '"';
        line += value;
        line += '"';
    } else {
        line += value;
    }
    return line;
}

}  // namespace

SettingsFile::SettingsFile(fs::path file) : m_file(std::move(file)) {}

bool SettingsFile::Load() {
    m_entries.clear();
    if (m_file.empty()) return false;
    std::error_code error;
    if (!fs::is_regular_file(m_file, error)) return false;
    std::ifstream in(m_file, std::ios::binary);
    if (!in) return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    Parse(bytes);
    return true;
}

void SettingsFile::Parse(std::string_view bytes) {
    m_entries.clear();
    std::string section;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        Entry entry{std::string(line), section, {}};
        const std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const size_t close = trimmed.find(']');
            section = std::string(
                Trim(trimmed.substr(1, close == std::string_view::npos ? close : close - 1)));
            entry.section = section;
            entry.header = true;
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const size_t equals = trimmed.find('=');
            if (equals != std::string_view::npos)
                entry.key = std::string(Trim(trimmed.substr(0, equals)));
        }
        m_entries.push_back(std::move(entry));
    }
}

long SettingsFile::Find(std::string_view section, std::string_view key, long from) const {
    // Only the first section of a name counts, as with the profile functions.
    bool inSection = false, seen = false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        if (entry.header) {
            if (inSection) return -1;
            inSection = !seen && SameName(entry.section, section);
            seen = seen || inSection;
            continue;
        }
        if (inSection && long(i) >= from && !entry.key.empty() && SameName(entry.key, key))
            return long(i);
    }
    return -1;
}

std::optional<std::string> SettingsFile::Value(std::string_view section,
                                               std::string_view key) const {
    const long index = Find(section, key);
    if (index < 0) return std::nullopt;
    const std::string& line = m_entries[size_t(index)].line;
    std::string_view value = Trim(std::string_view(line).substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    // A value is one line: a carriage return inside it reads as the space SetValue would store,
    // so a value read and written back comes back the same.
    std::string text(value);
    for (char& c : text)
        if (c == '\r') c = ' ';
    return text;
}

void SettingsFile::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string oneLine;
    for (size_t at = 0; at < value.size(); ++at) {
        if (value[at] == '\r' || value[at] == '\n') {
            oneLine += ' ';
            if (value[at] == '\r' && at + 1 < value.size() && value[at + 1] == '\n') ++at;
        } else {
            oneLine += value[at];
        }
    }
    Entry entry{ValueLine(key, oneLine), std::string(section), std::string(key), false};

    const long index = Find(section, key);
    if (index >= 0) {
        m_entries[size_t(index)] = std::move(entry);
        // Later copies of the key are never read; a later RemoveValue would bring them back.
        for (long later = Find(section, key, index + 1); later >= 0;
             later = Find(section, key, index + 1))
            m_entries.erase(m_entries.begin() + later);
        return;
    }
    // A new key goes after the last line of its section that is not blank.
    long last = -1;
    bool inSection = false, seen = false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].header) {
            if (inSection) break;
            inSection = !seen && SameName(m_entries[i].section, section);
            seen = seen || inSection;
            if (inSection) last = long(i);
        } else if (inSection && !Trim(m_entries[i].line).empty()) {
            last = long(i);
        }
    }
    if (last < 0) {
        m_entries.push_back({"[" + std::string(section) + "]", std::string(section), {}, true});
        m_entries.push_back(std::move(entry));
    } else {
        m_entries.insert(m_entries.begin() + last + 1, std::move(entry));
    }
}

void SettingsFile::RemoveValue(std::string_view section, std::string_view key) {
    // Every copy goes: removing the first alone would let the next one be read in its place.
    for (long index = Find(section, key); index >= 0; index = Find(section, key, index))
        m_entries.erase(m_entries.begin() + index);
}

std::string SettingsFile::Text() const {
    std::string text;
    for (const Entry& entry : m_entries) {
        text += entry.line;
        text += "\r\n";
    }
    return text;
}

files::WriteFileResult SettingsFile::Save() const {
    files::WriteFileResult result;
    result.target = m_file;
    if (m_file.empty()) return result;
    if (m_file.has_parent_path()) {
        std::error_code error;
        fs::create_directories(m_file.parent_path(), error);
        if (error) {
            result.error = files::WriteFileError::CannotCreateTemporary;
            result.systemError = error;
            return result;
        }
    }
    return files::WriteFileAtomically(m_file, Text());
}
