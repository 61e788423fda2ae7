#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "namedb/SqliteDatabase.h"

// The window's database until the program session owns one.
SqliteDatabase& WindowDatabase();

// Loads the name database on a thread of its own at start-up, so the window never waits for it.
// A failure is reported on the window thread as an error box titled "信息：".
class DatabaseLoading : public QObject {
    Q_OBJECT
  public:
    // The work to run; it reports a failure text (GBK) through the callback it is given.
    using LoadFunction = std::function<void(const std::function<void(const std::string&)>& fail)>;

    explicit DatabaseLoading(QObject* parent = nullptr);
    ~DatabaseLoading() override;

    // The real loader: data/namedata.db beside the program into NameDb().
    static LoadFunction NameDatabaseLoader();

    void Start(LoadFunction load);
    // Waits for the loading thread; used before the database is closed at exit.
    void Wait();
    bool IsFinished() const { return m_finished; }

  signals:
    void Failed(const QString& message);
    void Finished();

  private:
    std::thread m_thread;
    std::atomic<bool> m_finished{false};
};
