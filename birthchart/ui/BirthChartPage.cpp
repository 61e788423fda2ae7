#include "birthchart/ui/BirthChartPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "birthchart/BirthChartQuery.h"
#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

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
      m_report(Named(new QPlainTextEdit, "编辑框_八字信息")),
      m_elements(Named(new QLabel, "八字五行标签")),
      m_missing(Named(new QLabel, "缺五行标签")) {
    m_useNamingDate->setChecked(true);
    m_namingDate->setAccessibleName(QStringLiteral("起名日期"));
    m_report->setReadOnly(true);
    m_report->setAccessibleName(QStringLiteral("八字信息"));
    m_elements->setAccessibleName(QStringLiteral("八字五行"));
    m_missing->setAccessibleName(QStringLiteral("缺五行"));
    auto* source = new QGridLayout;
    source->addWidget(m_useNamingDate, 0, 0);
    source->addWidget(m_namingDate, 0, 1);
    source->addWidget(m_useOwnDate, 1, 0);
    source->addWidget(m_ownDate, 1, 1);
    source->addWidget(m_query, 1, 2);
    source->setColumnStretch(3, 1);
    auto* labels = new QHBoxLayout;
    labels->addWidget(m_elements);
    labels->addWidget(m_missing);
    labels->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_report, 1);
    layout->addLayout(labels);

    connect(m_query, &QPushButton::clicked, this, &BirthChartPage::Query);
}

void BirthChartPage::SetNamingDate(const QStringList& yearMonthDayHour) {
    static const QString units[] = {QStringLiteral("年"), QStringLiteral("月"),
                                    QStringLiteral("日"), QStringLiteral("时")};
    QString text;
    for (int i = 0; i < 4 && i < yearMonthDayHour.size(); ++i)
        text += yearMonthDayHour[i] + units[i];
    m_namingDate->setText(text);
}

void BirthChartPage::SetNamingDateSource(std::function<QStringList()> source) {
    m_namingDateSource = std::move(source);
}

void BirthChartPage::Query() {
    QStringList texts;
    if (m_useOwnDate->isChecked())
        texts = m_ownDate->Texts();
    else if (m_namingDateSource)
        texts = m_namingDateSource();
    while (texts.size() < 4) texts << QString();
    const birthchart::ChartDateTexts date{widgets::ToGbk(texts[0]), widgets::ToGbk(texts[1]),
                                          widgets::ToGbk(texts[2]), widgets::ToGbk(texts[3])};

    const birthchart::ChartQueryResult result = birthchart::queryBirthChart(date, m_chart);
    if (!result.ok) {
        widgets::MessageBoxes::Show(this, widgets::FromGbk(result.message), QStringLiteral("提示"),
                                    widgets::MessageBoxes::Icon::Warning);
        return;
    }
    // The report keeps the program's CR LF line ends in its state; the text box wants plain
    // line feeds, or every line would show a stray mark at its end on some platforms.
    QString report = widgets::FromGbk(m_chart.report);
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_report->setPlainText(report);
    m_elements->setText(widgets::FromGbk(m_chart.elementsLabel));
    m_missing->setText(widgets::FromGbk(m_chart.missingLabel));
}

}  // namespace birthchart_ui
