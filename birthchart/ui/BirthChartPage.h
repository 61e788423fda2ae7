#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "widgets/DateSelector.h"

namespace birthchart_ui {

// Page 6, "生辰八字": the birth chart of the naming date or of a date of its own.
class BirthChartPage : public QWidget {
    Q_OBJECT
  public:
    explicit BirthChartPage(QWidget* parent = nullptr);

    QRadioButton* useNamingDate() const { return m_useNamingDate; }
    QLabel* namingDate() const { return m_namingDate; }
    QRadioButton* useOwnDate() const { return m_useOwnDate; }
    widgets::DateSelector* ownDate() const { return m_ownDate; }
    QPushButton* queryButton() const { return m_query; }
    QPlainTextEdit* report() const { return m_report; }

    // Shows the naming date's four numbers, each followed by its unit: 2000年5月6日7时.
    void SetNamingDate(const QStringList& yearMonthDayHour);

  private:
    QRadioButton* m_useNamingDate;
    QLabel* m_namingDate;
    QRadioButton* m_useOwnDate;
    widgets::DateSelector* m_ownDate;
    QPushButton* m_query;
    QPlainTextEdit* m_report;
};

}  // namespace birthchart_ui
