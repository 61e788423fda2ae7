#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace widgets {

class PageView;

// The 导出 button of the page windows: saves the page on show as an HTML file of the user's
// choosing, so that a parent can keep a report or read it in any browser.
namespace PageExport {

// Asks where to save; an empty answer means the user cancelled. The program asks with a save
// dialog that suggests suggestedFile; tests answer themselves.
using SaveQuestion = std::function<QString(const QString& suggestedFile, QWidget* parent)>;
void SetSaveQuestion(SaveQuestion question);

// Writes the page's own bytes (the HTML as the program made it) to the file the user names,
// replacing it whole. The dialog suggests baseName + ".html" (the page's title when baseName is
// empty) in the documents folder. A failed write is told in a message box and the old file stays
// as it was. Returns whether the page was saved; an empty page asks nothing and saves nothing.
bool Export(const PageView& view, QWidget* parent, const QString& baseName = QString());

}  // namespace PageExport
}  // namespace widgets
