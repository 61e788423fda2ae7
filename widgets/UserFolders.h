#pragma once

#include <QString>

namespace widgets {

// Where a user's own files go, so that the program's folder is never written and each user of a
// computer keeps their own.

// The documents folder, or the home folder where the user has none.
QString DocumentsFolder();

// The per-user cache folder for the report pages the windows show, made when missing.
QString PagesFolder();

}  // namespace widgets
