#include "widgets/DateSelector.h"

#include <QHBoxLayout>
#include <QLabel>

namespace widgets {
namespace {
struct Unit {
    const char* mark;
    int first;
    int last;
};
constexpr Unit kUnits[] = {
    {"年", 1970, 2030}, {"月", 1, 12}, {"日", 1, 31}, {"时", 0, 23}, {"分", 0, 59}};
constexpr int kStartYear = 2013;
}  // namespace

DateSelector::DateSelector(const QStringList& objectNames, const QString& accessibleCaption,
                           QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < objectNames.size() && i < 5; ++i) {
        auto* box = new QComboBox;
        box->setObjectName(objectNames[i]);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        const QString unit = QString::fromUtf8(kUnits[i].mark);
        box->setAccessibleName(accessibleCaption + QLatin1Char(' ') + unit);
        auto* label = new QLabel(unit);
        label->setBuddy(box);
        row->addWidget(box);
        row->addWidget(label);
        m_boxes << box;
    }
}

void DateSelector::Reset() {
    for (int i = 0; i < m_boxes.size(); ++i) {
        QComboBox* box = m_boxes[i];
        box->clear();
        for (int n = kUnits[i].first; n <= kUnits[i].last; ++n) box->addItem(QString::number(n));
        box->setCurrentIndex(i == 0 ? kStartYear - kUnits[0].first : 0);
    }
}

QStringList DateSelector::Texts() const {
    QStringList texts;
    for (QComboBox* box : m_boxes) texts << box->currentText();
    return texts;
}

}  // namespace widgets
