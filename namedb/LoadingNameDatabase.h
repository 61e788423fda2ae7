#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "namedb/LoadNameDatabase.h"
#include "namedb/SqliteDatabase.h"

// The name database while it loads: owns the connection and the thread that fills it, and hands
// the database out only once the load has ended, so nobody can query half-filled tables or race
// the loader for the connection. Made and owned by the program's session on the window thread;
// every member may be called from any thread.
//
//   LoadingNameDatabase names;
//   names.StartLoading(dataFolder / "namedata.db", &windowSink);  // returns at once
//   ...
//   if (SqliteDatabase* db = names.Database()) Score(*db, ...);    // waits for the load
//
// The destructor stops a load still running, waits for the loader and then closes the database;
// the session therefore destroys it after the runs that use the database have stopped.
class LoadingNameDatabase {
  public:
    // Fills the database; on failure it reports one message to the sink and returns false.
    using Loader = std::function<bool(SqliteDatabase& db, LoadFailureSink& sink)>;

    LoadingNameDatabase() = default;
    ~LoadingNameDatabase();
    LoadingNameDatabase(const LoadingNameDatabase&) = delete;
    LoadingNameDatabase& operator=(const LoadingNameDatabase&) = delete;

    // Starts LoadNameDatabase (the file copied into memory) on the loading thread. The sink, when
    // given, hears a failure on the loading thread and must outlive the load. Only the first
    // start of an instance loads; later calls are ignored.
    void StartLoading(const std::filesystem::path& databaseFile, LoadFailureSink* sink = nullptr);
    // The same with another loader (tests, or a database read in place).
    void StartLoading(Loader loader, LoadFailureSink* sink = nullptr);

    // Blocks until the load has ended; whether the database is ready. False at once when no load
    // was ever started.
    bool WaitUntilLoaded();
    // Whether the load has ended (successfully or not); never blocks.
    bool HasFinished() const;

    // The loaded database, after waiting for the load to end; nullptr when it failed or was
    // never started.
    SqliteDatabase* Database();
    // The loaded database without waiting: nullptr while the load is still running.
    SqliteDatabase* DatabaseIfLoaded();

    // The loader's message (GBK) when the load failed; "" otherwise.
    std::string FailureText() const;

    // Asks a load still running to end at its next step, from any thread: the program is closing
    // and nobody will use the data. The stopped load counts as failed and its failure is not
    // reported. A load that has ended is left alone, so a database in use is never interrupted.
    void Stop();

  private:
    enum class State { NotStarted, Loading, Loaded, Failed };

    mutable std::mutex m_mutex;
    std::condition_variable m_finished;
    State m_state = State::NotStarted;
    std::string m_failureText;
    std::atomic<bool> m_stopped{false};
    SqliteDatabase m_database;  // touched by the loading thread only while Loading
    std::thread m_thread;
};
