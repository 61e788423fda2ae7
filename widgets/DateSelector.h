#pragma once

#include <QComboBox>
#include <QStringList>
#include <QWidget>

namespace widgets {

// Year, month, day, hour and (where asked for) minute boxes, each followed by its unit 年 月 日 时
// 分. Reset fills them as the program starts them: the years 1970..2030 with 2013 chosen, every
// other box on its first item.
class DateSelector : public QWidget {
    Q_OBJECT
  public:
    // objectNames: one name per box, four (no minutes) or five. accessibleCaption names the date
    // for a screen reader ("出生日期"); each box is read as that caption and its unit.
    DateSelector(const QStringList& objectNames, const QString& accessibleCaption,
                 QWidget* parent = nullptr);

    void Reset();
    QComboBox* year() const { return m_boxes[0]; }
    QComboBox* month() const { return m_boxes[1]; }
    QComboBox* day() const { return m_boxes[2]; }
    QComboBox* hour() const { return m_boxes[3]; }
    QComboBox* minute() const { return m_boxes.size() > 4 ? m_boxes[4] : nullptr; }
    // The current texts, year first.
    QStringList Texts() const;

  private:
    QList<QComboBox*> m_boxes;
};

}  // namespace widgets
