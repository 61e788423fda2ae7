#include "birthchart/ui/BirthChartPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "birthchart/BirthChartQuery.h"
#include "birthchart/ui/ElementBars.h"
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
      m_missing(Named(new QLabel, "缺五行标签")),
      m_bars(new ElementBars),
      m_strength(Named(new QLabel, "八字强弱标签")) {
    m_useNamingDate->setChecked(true);
    m_namingDate->setAccessibleName(QStringLiteral("起名日期"));
    m_report->setReadOnly(true);
    m_report->setAccessibleName(QStringLiteral("八字信息"));
    m_elements->setAccessibleName(QStringLiteral("八字五行"));
    // The joined element pairs are there for the zodiac advice to read; the report above says
    // the same in words, so the bare row stays out of sight.
    m_elements->hide();
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
    m_strength->setAccessibleName(QStringLiteral("日主与喜用"));
    m_strength->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* method = new QLabel(QStringLiteral(
        "五行强弱：天干各计1.0，地支按所藏天干分计1.0，月支计两次，共9.0；日主五行与生它的五行合为"
        "同类，同类达4.5为身强，否则身弱；身弱喜生扶，身强喜泄耗克中最弱的两行。"));
    method->setObjectName(QStringLiteral("八字强弱算法说明"));
    method->setWordWrap(true);
    auto* strength = new QVBoxLayout;
    strength->addWidget(m_strength);
    strength->addWidget(method);
    strength->addStretch(1);
    auto* chart = new QHBoxLayout;
    chart->addWidget(m_bars, 1);
    chart->addLayout(strength, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_report, 1);
    layout->addLayout(chart);
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

    m_elementStrength = birthchart::weighElements(m_chart.pillars);
    if (!m_elementStrength) {
        m_bars->SetTenths({});
        m_strength->clear();
        return;
    }
    const birthchart::ElementStrength& weighed = *m_elementStrength;
    m_bars->SetTenths(weighed.tenths);
    m_strength->setText(QStringLiteral("日主 %1%2　同类 %3　异类 %4　%5　喜用 %6%7")
                            .arg(widgets::FromGbk(weighed.dayMasterStem),
                                 widgets::FromGbk(birthchart::elementName(weighed.dayMaster)),
                                 widgets::FromGbk(birthchart::tenthsText(weighed.sameKindTenths)),
                                 widgets::FromGbk(birthchart::tenthsText(weighed.otherKindTenths)),
                                 weighed.strong ? QStringLiteral("身强") : QStringLiteral("身弱"),
                                 widgets::FromGbk(birthchart::elementName(weighed.favourable[0])),
                                 widgets::FromGbk(birthchart::elementName(weighed.favourable[1]))));
}

void BirthChartPage::showEvent(QShowEvent* event) {
    m_seen = true;
    QWidget::showEvent(event);
}

}  // namespace birthchart_ui
