#pragma once

#include <QBoxLayout>
#include <QLabel>
#include <QString>

namespace widgets {

// Gives a control its name (the name tests and tools find it by) and returns it.
template <typename Widget>
Widget* Named(Widget* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

// Places a caption and its control side by side. The caption becomes the control's accessible
// name, and the label's buddy is the control: Qt would otherwise name a combo box after its
// current item, and a screen reader would say "男" instead of "性别".
QLabel* AddCaptioned(QBoxLayout* row, const QString& caption, QWidget* control);

// A widget holding the thin rule 分组框4 above area: how the main window and the page windows
// separate their toolbar from what they show. sideMargin keeps the rule off the window edges.
QWidget* BelowRule(QWidget* area, int sideMargin = 0);

// The caption without its closing colon or unit mark, as a person would read it ("姓氏:" -> 姓氏).
QString SpokenCaption(const QString& caption);

}  // namespace widgets
