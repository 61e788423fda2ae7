#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from starting for the same user: the first instance holds
// a lock file for as long as it runs.
class SingleInstanceGuard {
  public:
    // The default lock lives in the user's runtime folder (the temporary folder under the user's
    // name where the system has none);
    // BABYNAME_LOCK_FILE names another one (tests use their own).
    static QString DefaultLockPath();

    explicit SingleInstanceGuard(const QString& lockPath = DefaultLockPath());
    // True when this process is the only instance; the lock is then held until destruction.
    bool TryAcquire();

  private:
    std::unique_ptr<QLockFile> m_lock;
};
