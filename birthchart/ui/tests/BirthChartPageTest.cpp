#include <QComboBox>
#include <QFile>
#include <QTest>

#include "birthchart/ui/BirthChartPage.h"
#include "widgets/MessageBoxes.h"

using birthchart_ui::BirthChartPage;

namespace {

void Choose(widgets::DateSelector* date, const QStringList& yearMonthDayHour) {
    QComboBox* boxes[] = {date->year(), date->month(), date->day(), date->hour()};
    for (int i = 0; i < 4; ++i) {
        const int index = boxes[i]->findText(yearMonthDayHour[i]);
        QVERIFY2(index >= 0, qPrintable(yearMonthDayHour[i]));
        boxes[i]->setCurrentIndex(index);
    }
}

QString ExpectedReport(const QString& fileName) {
    QFile file(QStringLiteral(CHART_REPORT_DATA "/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("missing ") + fileName;
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class BirthChartPageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_messages.clear();
        widgets::MessageBoxes::SetRecorder(
            [this](const QString& text, const QString&, widgets::MessageBoxes::Icon) {
                m_messages << text;
            });
        m_page = std::make_unique<BirthChartPage>();
        m_namingDate = {"2013", "1", "1", "0"};
        m_page->SetNamingDateSource([this] { return m_namingDate; });
        m_page->ownDate()->Reset();
    }
    void cleanup() { m_page.reset(); }

    // The naming date's report is the one the command line prints, line for line.
    void namingDateGivesTheWholeReport() {
        Choose(m_page->ownDate(), {"2000", "1", "1", "0"});  // ignored while 单选框1 is checked
        QTest::mouseClick(m_page->queryButton(), Qt::LeftButton);
        QCOMPARE(m_page->report()->toPlainText() + "\n",
                 ExpectedReport(QStringLiteral("bazi-2013-01-01-0.txt")));
        QCOMPARE(m_page->elementsLabel()->text(), QStringLiteral("水,土,水,水,火,木,金,水,"));
        QCOMPARE(m_page->missingLabel()->text(), QString());
        QVERIFY(m_messages.isEmpty());
    }

    void ownDateGivesItsReport() {
        m_page->useOwnDate()->setChecked(true);
        Choose(m_page->ownDate(), {"2000", "1", "1", "0"});
        QTest::mouseClick(m_page->queryButton(), Qt::LeftButton);
        const QStringList lines = m_page->report()->toPlainText().split('\n');
        QCOMPARE(lines.mid(0, 9), (QStringList{
                                      "公历日期：2000年1月1日0时",
                                      "",
                                      "农历日期：己卯年    冬月  廿五日  壬子时",
                                      "",
                                      "八字四柱：己卯年  丙子月  戊午日  壬子时",
                                      "",
                                      "八字五行：土,木,火,水,土,火,水,水, ( 五行缺：金 ) ",
                                      "",
                                      "五行纳音：城头土  涧下水  天上火  桑柘木",
                                  }));
        QCOMPARE(lines.value(10), QStringLiteral("生肖属相：兔。"));
        QCOMPARE(m_page->missingLabel()->text(), QStringLiteral("金"));
    }

    // A day the month lacks has no chart: the user is told, and the last report stays whole.
    void dayTheMonthLacksKeepsTheLastReport() {
        QTest::mouseClick(m_page->queryButton(), Qt::LeftButton);
        const QString lastReport = m_page->report()->toPlainText();
        QVERIFY(lastReport.startsWith(QStringLiteral("公历日期：2013年1月1日0时")));

        m_page->useOwnDate()->setChecked(true);
        Choose(m_page->ownDate(), {"2013", "2", "30", "0"});
        QTest::mouseClick(m_page->queryButton(), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{QStringLiteral("日期无效：2013年2月30日0时")});
        QCOMPARE(m_page->report()->toPlainText(), lastReport);
        QCOMPARE(m_page->elementsLabel()->text(), QStringLiteral("水,土,水,水,火,木,金,水,"));
    }

  private:
    std::unique_ptr<BirthChartPage> m_page;
    QStringList m_namingDate;
    QStringList m_messages;
};

QTEST_MAIN(BirthChartPageTest)
#include "BirthChartPageTest.moc"
