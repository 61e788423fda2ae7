#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "birthchart/ChartState.h"
#include "birthchart/ElementStrength.h"
#include "widgets/DateSelector.h"

namespace birthchart_ui {

class ElementBars;

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
    QLabel* elementsLabel() const { return m_elements; }
    QLabel* missingLabel() const { return m_missing; }
    const birthchart::ChartState& chart() const { return m_chart; }
    ElementBars* elementBars() const { return m_bars; }
    // 日主 丁火　同类 2.3　异类 6.7　身弱　喜用 木火
    QLabel* strengthLabel() const { return m_strength; }
    // The strength of the five elements of the chart on show; nothing before the first chart.
    const std::optional<birthchart::ElementStrength>& elementStrength() const {
        return m_elementStrength;
    }
    // Whether the parent has had the page before their eyes since the program started.
    bool chartSeen() const { return m_seen; }

    // Shows the naming date's four numbers, each followed by its unit: 2000年5月6日7时.
    void SetNamingDate(const QStringList& yearMonthDayHour);
    // Where the query reads the naming date (year, month, day, hour texts) when 单选框1 is
    // checked: the main page's selectors, read at the moment of the query.
    void SetNamingDateSource(std::function<QStringList()> source);

    // queryBirthChart: the report of the chosen date in 编辑框_八字信息. A date that does not
    // exist (2月30日) shows a message and leaves the last report in place.
    void Query();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QRadioButton* m_useNamingDate;
    QLabel* m_namingDate;
    QRadioButton* m_useOwnDate;
    widgets::DateSelector* m_ownDate;
    QPushButton* m_query;
    QPlainTextEdit* m_report;
    QLabel* m_elements;
    QLabel* m_missing;
    ElementBars* m_bars;
    QLabel* m_strength;
    std::function<QStringList()> m_namingDateSource;
    birthchart::ChartState m_chart;
    std::optional<birthchart::ElementStrength> m_elementStrength;
    bool m_seen = false;
};

}  // namespace birthchart_ui
