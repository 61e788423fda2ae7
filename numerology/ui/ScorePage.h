#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "widgets/DateSelector.h"
#include "widgets/ResultListView.h"

namespace numerology_ui {

// Page 7, "姓名评分": any name the user types, scored into a list.
class ScorePage : public QWidget {
    Q_OBJECT
  public:
    explicit ScorePage(QWidget* parent = nullptr);

    QLineEdit* surname() const { return m_surname; }
    QLineEdit* givenName() const { return m_givenName; }
    widgets::DateSelector* birthDate() const { return m_birthDate; }
    QPushButton* scoreButton() const { return m_score; }
    widgets::ResultListView* list() const { return m_list; }

  private:
    QLineEdit* m_surname;
    QLineEdit* m_givenName;
    widgets::DateSelector* m_birthDate;
    QPushButton* m_score;
    widgets::ResultListView* m_list;
};

}  // namespace numerology_ui
