#include "app/SingleInstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

QString SingleInstanceGuard::DefaultLockPath() {
    QString custom = qEnvironmentVariable("BABYNAME_LOCK_FILE");
    if (!custom.isEmpty()) return custom;
    // The user's own runtime folder: another user of the computer can neither see nor take the
    // lock, so each user runs their own copy.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
        return QDir::temp().filePath("babyname-" + user + ".lock");
    }
    return QDir(folder).filePath(QStringLiteral("babyname.lock"));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {
    // A lock left behind by a crashed instance is taken over at once.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::TryAcquire() { return m_lock->tryLock(0); }
