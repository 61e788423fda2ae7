#include "app/ProgramSession.h"

#include "files/ProgramFolder.h"
#include "widgets/UserFolders.h"

ProgramFolders ProgramFolders::ForUser(const std::filesystem::path& executableFolder) {
    return {files::ReadOnlyRoot(executableFolder), widgets::PagesFolder().toStdU16String(),
            widgets::DocumentsFolder().toStdU16String()};
}

ProgramFolders ProgramFolders::AllIn(const std::filesystem::path& folder) {
    return {folder, folder / "data", folder / "data"};
}

ProgramSession::ProgramSession(const std::filesystem::path& programFolder,
                               LoadingNameDatabase::Loader load, std::filesystem::path settingsFile)
    : ProgramSession(ProgramFolders::AllIn(programFolder), std::move(load),
                     std::move(settingsFile)) {}

ProgramSession::ProgramSession(ProgramFolders folders, LoadingNameDatabase::Loader load,
                               std::filesystem::path settingsFile)
    : m_folders(std::move(folders)),
      m_load(std::move(load)),
      m_settings(std::move(settingsFile)),
      m_names(std::make_unique<LoadingNameDatabase>()) {}

ProgramSession::~ProgramSession() { ShutDown(); }

SqliteDatabase* ProgramSession::database() { return m_names ? m_names->Database() : nullptr; }

bool ProgramSession::HasLoaded() const { return m_names && m_names->HasFinished(); }

void ProgramSession::StartLoading() {
    if (!m_names) return;
    LoadingNameDatabase::Loader load = m_load;
    if (!load) {
        load = [file = dataFolder() / "namedata.db"](SqliteDatabase& db, LoadFailureSink& sink) {
            return LoadNameDatabase(db, file, sink);
        };
    }
    m_names->StartLoading(std::move(load), &m_loading);
}

void ProgramSession::ShutDown() {
    if (!m_names) return;
    // A load still going ends at its next step: closing the program never waits for the copy
    // of the database, and a run that waits for the load gets no database and ends.
    m_names->Stop();
    // A run still going (held or not) is stopped; it ends at its next step and its unfinished
    // results are dropped.
    m_runs.ShutDown(true);
    // Waits for the (stopped) loader, then closes the database.
    m_names.reset();
}
