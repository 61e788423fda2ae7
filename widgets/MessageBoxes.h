#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The program's message boxes: a fixed text, an OK button, the caller's icon. A box given no
// title shows "信息：". Tests install a recorder so that no modal box blocks them.
namespace widgets::MessageBoxes {

enum class Icon { None, Information, Warning, Error };

void Show(QWidget* parent, const QString& text, const QString& title = QString(),
          Icon icon = Icon::None);

using Recorder = std::function<void(const QString& text, const QString& title, Icon icon)>;
void SetRecorder(Recorder recorder);

// Installs a recorder that keeps each box as {text, title, icon number} in *boxes, which must
// outlive the recorder.
void RecordInto(QList<QStringList>* boxes);

// Closes every box still on screen, as if its OK button were pressed; the program calls it at
// exit so that no box keeps a run (or the exit itself) waiting.
void CloseOpenBoxes();

}  // namespace widgets::MessageBoxes
