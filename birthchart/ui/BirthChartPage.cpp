#include "birthchart/ui/BirthChartPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/FormRows.h"

namespace birthchart_ui {

using widgets::Named;

BirthChartPage::BirthChartPage(QWidget* parent)
    : QWidget(parent),
      m_useNamingDate(Named(new QRadioButton(QStringLiteral("使用起名日期:")), "单选框1")),
      m_namingDate(Named(new QLabel, "透明标签_起名日期")),
      m_useOwnDate(Named(new QRadioButton(QStringLiteral("自定义日期:")), "单选框_自定义日期")),
      m_ownDate(new widgets::DateSelector(
          {"组合框_八字年份", "组合框_八字月份", "组合框_八字日子", "组合框_八字时间"},
          QStringLiteral("自定义日期"))),
      m_query(Named(new QPushButton(QStringLiteral("查询")), "按钮_八字查询")),
      m_report(Named(new QPlainTextEdit, "编辑框_八字信息")) {
    m_useNamingDate->setChecked(true);
    m_namingDate->setAccessibleName(QStringLiteral("起名日期"));
    m_report->setReadOnly(true);
    m_report->setAccessibleName(QStringLiteral("八字信息"));
    auto* source = new QGridLayout;
    source->addWidget(m_useNamingDate, 0, 0);
    source->addWidget(m_namingDate, 0, 1);
    source->addWidget(m_useOwnDate, 1, 0);
    source->addWidget(m_ownDate, 1, 1);
    source->addWidget(m_query, 1, 2);
    source->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_report, 1);
}

void BirthChartPage::SetNamingDate(const QStringList& yearMonthDayHour) {
    static const QString units[] = {QStringLiteral("年"), QStringLiteral("月"),
                                    QStringLiteral("日"), QStringLiteral("时")};
    QString text;
    for (int i = 0; i < 4 && i < yearMonthDayHour.size(); ++i)
        text += yearMonthDayHour[i] + units[i];
    m_namingDate->setText(text);
}

}  // namespace birthchart_ui
