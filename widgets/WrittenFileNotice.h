#pragma once

#include <QString>
#include <functional>

class QWidget;

// Says where a file the program wrote went: the status bar of the window names its full path and
// offers to open its folder, and where the desktop has no program to open the file, a message
// says so and where the file is. Every export tells the parent through here.
namespace widgets::WrittenFileNotice {

// Opens a file or folder with the desktop's program; false when none could be started. Tests
// install their own so that nothing is launched.
using Opener = std::function<bool(const QString& path)>;
void SetOpener(Opener opener);  // an empty opener restores the desktop's

// The status-bar line for a written file.
QString StatusText(const QString& path);

// Tells that `path` was written; with `open`, also opens it with the desktop's program and says so
// in a message where that fails.
void Tell(QWidget* window, const QString& path, bool open);

}  // namespace widgets::WrittenFileNotice
