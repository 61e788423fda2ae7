#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iterator>

#include "numerology/ReportPages.h"
#include "numerology/ui/ScorePage.h"
#include "numerology/ui/tests/NameDetailFixture.h"
#include "widgets/MessageBoxes.h"

using numerology_ui::ScorePage;
using widgets::MessageBoxes::Icon;

class ScorePageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_messages.clear();
        widgets::MessageBoxes::SetRecorder([this](const QString& text, const QString& title, Icon) {
            m_messages << text + "|" + title;
        });
        m_fixture = std::make_unique<NameDetailFixture>();
        m_page = std::make_unique<ScorePage>();
        m_page->SetDatabase(m_fixture->source(), m_fixture->pagesFolder());
    }

    void scoringAddsOneRowPerName() {
        m_page->surname()->setText(QStringLiteral("李"));
        m_page->givenName()->setText(QStringLiteral("月光"));
        QTest::mouseClick(m_page->scoreButton(), Qt::LeftButton);
        QTest::mouseClick(m_page->scoreButton(), Qt::LeftButton);
        QCOMPARE(m_page->list()->model()->Rows(),
                 (std::vector<QStringList>{
                     {"1", "李\r\n月光", "17", "17", "木水木", "8,11,10,17,7", "金木水", "86"}}));
        QVERIFY(m_messages.isEmpty());

        // Another name is numbered after it; the report page of the last name is written.
        m_page->givenName()->setText(QStringLiteral("玥"));
        QTest::mouseClick(m_page->scoreButton(), Qt::LeftButton);
        QCOMPARE(m_page->list()->model()->rowCount(), 2);
        QCOMPARE(m_page->list()->model()->Row(1).mid(0, 2), (QStringList{"2", "李\r\n玥"}));
        QCOMPARE(m_page->list()->model()->Row(1)[7], QStringLiteral("85"));
        std::ifstream report(PageFile(m_fixture->pagesFolder(), 0), std::ios::binary);
        const std::string page((std::istreambuf_iterator<char>(report)), {});
        QVERIFY(page.find(NameDetailFixture::Gbk("玥")) != std::string::npos);
    }

    void aMissingOrUnscorablePartIsRefused_data() {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("givenName");
        QTest::addColumn<QString>("message");
        QTest::addRow("no surname") << ""
                                    << "月光"
                                    << "请输入姓氏|提示";
        QTest::addRow("no name at all") << ""
                                        << ""
                                        << "请输入姓氏|提示";
        QTest::addRow("no given name") << "李"
                                       << ""
                                       << "请输入名字|提示";
        // What the page cannot score is refused, not scored with a part left out or as 0.
        QTest::addRow("three-character surname") << "吴李周"
                                                 << "络"
                                                 << "姓氏应为一到两个汉字|提示";
        QTest::addRow("fifty-character surname") << QString(50, QChar(0x674E)) << "络"
                                                 << "姓氏应为一到两个汉字|提示";
        QTest::addRow("emoji in the given name")
            << "张" << QString::fromUtf8("\xF0\x9F\x98\x80") << "名字应为一到两个汉字|提示";
        QTest::addRow("Latin letters") << "李"
                                       << "ab"
                                       << "名字应为一到两个汉字|提示";
    }
    void aMissingOrUnscorablePartIsRefused() {
        QFETCH(QString, surname);
        QFETCH(QString, givenName);
        QFETCH(QString, message);
        m_page->surname()->setText(surname);
        m_page->givenName()->setText(givenName);
        QTest::mouseClick(m_page->scoreButton(), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{message});
        QCOMPARE(m_page->list()->model()->rowCount(), 0);
    }

  private:
    QStringList m_messages;
    std::unique_ptr<NameDetailFixture> m_fixture;
    std::unique_ptr<ScorePage> m_page;
};

QTEST_MAIN(ScorePageTest)
#include "ScorePageTest.moc"
