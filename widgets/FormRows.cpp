#include "widgets/FormRows.h"

#include <QFrame>
#include <QVBoxLayout>

namespace widgets {

QString SpokenCaption(const QString& caption) {
    QString spoken = caption.trimmed();
    while (spoken.endsWith(u':') || spoken.endsWith(u'：')) spoken.chop(1);
    return spoken;
}

QWidget* BelowRule(QWidget* area, int sideMargin) {
    auto* rule = new QFrame;
    rule->setObjectName(QStringLiteral("分组框4"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(sideMargin, 0, sideMargin, 0);
    layout->setSpacing(2);
    layout->addWidget(rule);
    layout->addWidget(area, 1);
    return holder;
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
