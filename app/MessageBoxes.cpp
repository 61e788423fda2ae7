#include "app/MessageBoxes.h"

#include <QMessageBox>

namespace MessageBoxes {
namespace {
Recorder& InstalledRecorder() {
    static Recorder recorder;
    return recorder;
}
}  // namespace

void SetRecorder(Recorder recorder) { InstalledRecorder() = std::move(recorder); }

void Show(QWidget* parent, const QString& text, const QString& title, Icon icon) {
    QString caption = title.isEmpty() ? QStringLiteral("信息：") : title;
    if (InstalledRecorder()) {
        InstalledRecorder()(text, caption, icon);
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::None:
            break;
    }
    box.exec();
}

}  // namespace MessageBoxes
