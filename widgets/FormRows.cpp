#include "widgets/FormRows.h"

namespace widgets {

QString SpokenCaption(const QString& caption) {
    QString spoken = caption.trimmed();
    while (spoken.endsWith(u':') || spoken.endsWith(u'：')) spoken.chop(1);
    return spoken;
}

QLabel* AddCaptioned(QBoxLayout* row, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(SpokenCaption(caption));
    row->addWidget(label);
    row->addWidget(control);
    return label;
}

}  // namespace widgets
