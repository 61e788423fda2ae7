#pragma once

#include <filesystem>
#include <memory>

#include "app/DatabaseLoading.h"
#include "app/SettingsFile.h"
#include "generation/RunController.h"
#include "namedb/LoadingNameDatabase.h"

// Everything that lives as long as the program: the name database and the thread that loads it,
// the holder of the naming runs and the program's folders. main() makes one and hands it to the
// main window; nothing else in the program is global.
class ProgramSession {
  public:
    // programDirectory: the folder of the program, with data/ and Help/ beside it. load: what the
    // loading thread does (tests give one of their own); by default data/namedata.db is copied
    // into memory. settingsFile: where the settings and naming records are kept; without one
    // they live in memory only.
    explicit ProgramSession(std::filesystem::path programDirectory,
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
    const std::filesystem::path& programDirectory() const { return m_programDirectory; }
    std::filesystem::path dataDirectory() const { return m_programDirectory / "data"; }
    std::filesystem::path helpDirectory() const { return m_programDirectory / "Help"; }

    // Starts loading the name database on its own thread; nothing waits for it.
    void StartLoading();
    // Stops the runs, waits for the loader and closes the database, in that order: a run or the
    // loader may still be using the database. Called by the destructor if nobody did before.
    void ShutDown();

  private:
    std::filesystem::path m_programDirectory;
    LoadingNameDatabase::Loader m_load;
    DatabaseLoading m_loading;
    RunController m_runs;
    SettingsFile m_settings;
    std::unique_ptr<LoadingNameDatabase> m_names;
};
