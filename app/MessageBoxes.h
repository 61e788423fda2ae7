#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's message boxes: a fixed text, an OK button, the caller's icon. A box given no
// title shows "信息：". Tests install a recorder so that no modal box blocks them.
namespace MessageBoxes {

enum class Icon { None, Information, Warning, Error };

void Show(QWidget* parent, const QString& text, const QString& title = QString(),
          Icon icon = Icon::None);

using Recorder = std::function<void(const QString& text, const QString& title, Icon icon)>;
void SetRecorder(Recorder recorder);

}  // namespace MessageBoxes
