#include "widgets/MessageBoxes.h"

#include <QMessageBox>
#include <QPointer>
#include <vector>

namespace widgets::MessageBoxes {
namespace {
Recorder& InstalledRecorder() {
    static Recorder recorder;
    return recorder;
}

std::vector<QPointer<QMessageBox>>& OpenBoxes() {
    static std::vector<QPointer<QMessageBox>> boxes;
    return boxes;
}
}  // namespace

void SetRecorder(Recorder recorder) { InstalledRecorder() = std::move(recorder); }

void RecordInto(QList<QStringList>* boxes) {
    SetRecorder([boxes](const QString& text, const QString& title, Icon icon) {
        boxes->append(QStringList{text, title, QString::number(int(icon))});
    });
}

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
    OpenBoxes().push_back(&box);
    box.exec();
    std::erase_if(OpenBoxes(), [&box](const QPointer<QMessageBox>& open) {
        return open.isNull() || open.data() == &box;
    });
}

void CloseOpenBoxes() {
    for (const QPointer<QMessageBox>& box : OpenBoxes())
        if (box) box->done(QMessageBox::Ok);
}

}  // namespace widgets::MessageBoxes
