#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/DatabaseLoading.h"
#include "generation/RunController.h"
#include "namedb/SqliteDatabase.h"

// Everything that lives as long as the program: the name database and the thread that loads it,
// the holder of the naming runs and the program's folders. main() makes one and hands it to the
// main window; nothing else in the program is global.
class ProgramSession {
  public:
    // programDirectory: the folder of the program, with data/ and Help/ beside it. load: the work
    // of the loading thread (tests give one of their own; by default data/namedata.db is loaded).
    using DatabaseLoader = std::function<void(
        SqliteDatabase& database, const std::function<void(const std::string& gbkText)>& fail)>;
    explicit ProgramSession(std::filesystem::path programDirectory, DatabaseLoader load = {});
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    SqliteDatabase& database() { return m_database; }
    RunController& runs() { return m_runs; }
    DatabaseLoading& loading() { return *m_loading; }
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
    SqliteDatabase m_database;
    RunController m_runs;
    DatabaseLoader m_load;
    std::unique_ptr<DatabaseLoading> m_loading;
    bool m_shutDown = false;
};
