#pragma once

#include <filesystem>
#include <string>

// What a run that was killed leaves behind, cleared at the next start: nothing here belongs to a
// process that still runs.
namespace files {

// Removes the temporary files of WriteFileAtomically beside file (".NAME.PID-….tmp") whose
// process no longer runs. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& file);

// The name of a working folder of this process in folder: "PREFIX-PID-" followed by the caller's
// random part.
std::string WorkFolderPrefix(const std::string& prefix);

// Removes the working folders "PREFIX-PID-…" in folder whose process no longer runs, with what
// they hold, and empty folders "PREFIX-XXXXXX" that older versions made without a process number.
// Links and what belongs to other users are left alone. Returns how many folders were removed.
int RemoveLeftoverWorkFolders(const std::filesystem::path& folder, const std::string& prefix);

}  // namespace files
