#include "widgets/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace widgets {

QString DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder;
}

QString PagesFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    // A folder that cannot be made (a read-only or full home) makes each page write fail and say
    // so; the pages never fall back to a folder of someone else's.
    QDir().mkpath(folder);
    return folder;
}

}  // namespace widgets
