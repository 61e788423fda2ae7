#pragma once

#include <filesystem>
#include <memory>

#include "app/DatabaseLoading.h"
#include "generation/RunController.h"
#include "namedb/LoadingNameDatabase.h"
#include "settings/SettingsFile.h"

// The folders the program reads and writes. Read-only files (data/ with the name database,
// Help/) sit with the program; the pages the windows show and the exported lists are the user's
// own and go to the user's folders, so the program works installed in a read-only place and two
// users of one computer never overwrite each other's files.
struct ProgramFolders {
    std::filesystem::path readOnly;  // holds data/ and Help/
    std::filesystem::path pages;     // the report pages the windows show
    std::filesystem::path exports;   // the exported name lists and the classic text

    // The program's files beside the executable (../share/babyname once installed); pages in
    // the user's cache folder, exports in the user's documents folder (home where there is none).
    static ProgramFolders ForUser(const std::filesystem::path& executableFolder);
    // Everything in one folder: data/ beside Help/ serves pages and exports too. For tests.
    static ProgramFolders AllIn(const std::filesystem::path& folder);
};

// Everything that lives as long as the program: the name database and the thread that loads it,
// the holder of the naming runs and the program's folders. main() makes one and hands it to the
// main window; nothing else in the program is global.
class ProgramSession {
  public:
    // folders: where the program reads and writes. load: what the loading thread does (tests
    // give one of their own); by default data/namedata.db is copied into memory. settingsFile:
    // where the settings and naming records are kept; without one they live in memory only.
    explicit ProgramSession(ProgramFolders folders, LoadingNameDatabase::Loader load = {},
                            std::filesystem::path settingsFile = {});
    // All folders in one, for tests: ProgramFolders::AllIn(programFolder).
    explicit ProgramSession(const std::filesystem::path& programFolder,
                            LoadingNameDatabase::Loader load = {},
                            std::filesystem::path settingsFile = {});
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The loaded name database, after waiting for the load; nullptr when the load failed, has
    // not been started or the session has shut down. Quick queries on the window thread and
    // naming runs both take it from here, so nobody reads half-filled tables.
    SqliteDatabase* database();
    // Whether the load has ended; never blocks.
    bool HasLoaded() const;
    RunController& runs() { return m_runs; }
    DatabaseLoading& loading() { return m_loading; }
    SettingsFile& settings() { return m_settings; }
    // The read-only data folder: the name database and the dictionary's settings.
    std::filesystem::path dataFolder() const { return m_folders.readOnly / "data"; }
    std::filesystem::path helpFolder() const { return m_folders.readOnly / "Help"; }
    const std::filesystem::path& pagesFolder() const { return m_folders.pages; }
    const std::filesystem::path& exportFolder() const { return m_folders.exports; }

    // Starts loading the name database on its own thread; nothing waits for it.
    void StartLoading();
    // Stops a load still running and the runs, waits for the loader and closes the database, in
    // that order: a run or the loader may still be using the database. Called by the destructor
    // if nobody did before.
    void ShutDown();

  private:
    ProgramFolders m_folders;
    LoadingNameDatabase::Loader m_load;
    DatabaseLoading m_loading;
    RunController m_runs;
    SettingsFile m_settings;
    std::unique_ptr<LoadingNameDatabase> m_names;
};
