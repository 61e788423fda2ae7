#include "app/SingleInstanceGuard.h"

#include <QDir>

QString SingleInstanceGuard::DefaultLockPath() {
    QString custom = qEnvironmentVariable("BABYNAME_LOCK_FILE");
    if (!custom.isEmpty()) return custom;
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
    return QDir::temp().filePath("babyname-" + user + ".lock");
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {
    // A lock left behind by a crashed instance is taken over at once.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::TryAcquire() { return m_lock->tryLock(0); }
