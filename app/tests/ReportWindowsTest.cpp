#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/RecordsPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/ui/CharacterQueryWindow.h"
#include "numerology/ui/NameDetailWindow.h"
#include "numerology/ui/PageWindow.h"
#include "numerology/ui/ScorePage.h"
#include "numerology/ui/tests/ListClicks.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"

using numerology_ui::NameDetailWindow;

namespace {

// The name tables with two characters in them, enough for the pages to show something.
bool TwoCharacters(SqliteDatabase& db, LoadFailureSink&) {
    fixture::OpenEmptyNameDatabase(db);
    for (const char* character : {"李", "玥", "月", "欧", "阳"}) {
        const std::string gbk = widgets::ToGbk(QString::fromUtf8(character));
        fixture::InsertCharacter(db, gbk, gbk, 7, 7, widgets::ToGbk(QStringLiteral("木")));
    }
    fixture::AddPackedList(db, widgets::ToGbk(QStringLiteral("寓意")),
                           widgets::ToGbk(QStringLiteral("月\t明月、皎洁\n")));
    return true;
}

}  // namespace

// How the main window reaches the report windows: the double clicks of its lists, 新华字典 and
// 使用帮助.
class ReportWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        widgets::MessageBoxes::SetRecorder(
            [this](const QString& text, const QString&, auto) { m_messages << text; });
        m_messages.clear();
        m_session =
            std::make_unique<ProgramSession>(m_programFolder.path().toStdString(), TwoCharacters);
        m_window = std::make_unique<MainWindow>(*m_session);
        m_window->StartUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_session.reset();
    }

    // A generated name opens its report and joins the records once; the record reopens it. The
    // name is split with the surname of the run, even after the surname box changed.
    void generatedNamesOpenTheirReportAndAreRecordedOnce() {
        m_window->modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        m_window->combinationPage()->characters()->setText(QStringLiteral("月"));
        widgets::ResultListView* generated = m_window->combinationPage()->list();
        QTest::mouseClick(m_window->combinationPage()->generateButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(generated->model()->rowCount(), 1, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->combinationPage()->generateButton()->isEnabled(), 60000);
        QStringList row = generated->model()->Row(0);
        QCOMPARE(row.value(1), QStringLiteral("李月"));
        QCOMPARE(row.value(8), QStringLiteral("明月、皎洁"));
        m_window->modeSelectionPage()->surname()->setText(QString());
        m_messages.clear();  // the run's own note on one-character names

        DoubleClickRow(*generated, 0);
        DoubleClickRow(*generated, 0);
        QCOMPARE(DetailWindows().size(), 2);
        QCOMPARE(DetailWindows().first()->windowTitle(), QStringLiteral("李月姓名详细解释"));
        QCOMPARE(DetailWindows().first()->tabs()->tabText(2), QStringLiteral("月"));
        // The report opens with what the name means, its 名字品质 tab too.
        for (int tab : {0, int(NameDetailWindow::kQualityTab)}) {
            const QString text = DetailWindows().first()->view(tab)->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("明月、皎洁")) &&
                         text.contains(QStringLiteral("寓意")),
                     qPrintable(text.left(200)));
        }
        widgets::ResultListView* records = m_window->recordsPage()->list();
        row[1] = QStringLiteral("李\r\n月");
        // A record keeps the name's numbers; the list's last column, 寓意, is not stored.
        QCOMPARE(records->model()->Rows(), (std::vector<QStringList>{row.mid(0, 8)}));

        m_window->Navigate(MainWindow::Destination::Records);
        DoubleClickRow(*records, 0);
        QCOMPARE(DetailWindows().size(), 3);
        QCOMPARE(DetailWindows().last()->windowTitle(), QStringLiteral("李 月姓名详细解释"));
        QCOMPARE(records->model()->rowCount(), 1);
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(QLatin1Char('|'))));
        // The window judges the name beyond its numbers too.
        QVERIFY(DetailWindows()
                    .last()
                    ->view(NameDetailWindow::kQualityTab)
                    ->toPlainText()
                    .contains(QStringLiteral("字级")));
    }

    // A two-character surname stays whole on the way from a double click to the report and the
    // record, although the surname box says something else by then.
    void aTwoCharacterSurnameStaysWhole() {
        m_window->modeSelectionPage()->surname()->setText(QStringLiteral("欧阳"));
        m_window->modeSelectionPage()->nameLength()->setCurrentIndex(0);  // 一字
        m_window->combinationPage()->characters()->setText(QStringLiteral("月"));
        widgets::ResultListView* generated = m_window->combinationPage()->list();
        QTest::mouseClick(m_window->combinationPage()->generateButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(generated->model()->rowCount() > 0, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->combinationPage()->generateButton()->isEnabled(), 60000);
        int row = -1;
        for (int k = 0; k < generated->model()->rowCount(); ++k)
            if (generated->model()->Row(k).value(1) == QStringLiteral("欧阳月")) row = k;
        QVERIFY(row >= 0);
        m_window->modeSelectionPage()->surname()->setText(QStringLiteral("欧"));

        DoubleClickRow(*generated, row);
        QCOMPARE(DetailWindows().size(), 1);
        NameDetailWindow* window = DetailWindows().first();
        QCOMPARE(window->windowTitle(), QStringLiteral("欧阳月姓名详细解释"));
        QStringList tabs;
        for (int tab = 1; tab <= 3; ++tab) tabs << window->tabs()->tabText(tab);
        QCOMPARE(tabs, (QStringList{"欧", "阳", "月"}));
        QCOMPARE(m_window->recordsPage()->list()->model()->Row(0).value(1),
                 QStringLiteral("欧阳\r\n月"));
    }

    // 姓名评分 takes the surname along; 评分 and a double click on its row open the report.
    void theScorePageScoresAndOpens() {
        m_window->modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        m_window->navigationAction(MainWindow::Destination::Score)->trigger();
        numerology_ui::ScorePage* page = m_window->scorePage();
        page->givenName()->setText(QStringLiteral("玥"));
        QTest::mouseClick(page->scoreButton(), Qt::LeftButton);
        QCOMPARE(page->list()->model()->rowCount(), 1);
        DoubleClickRow(*page->list(), 0);
        QCOMPARE(DetailWindows().size(), 1);
        QCOMPARE(m_window->recordsPage()->list()->model()->rowCount(), 0);
    }

    void theDictionaryOpensModalOverTheWindow() {
        m_window->navigationAction(MainWindow::Destination::Dictionary)->trigger();
        auto* dictionary = m_window->findChild<numerology_ui::CharacterQueryWindow*>();
        QVERIFY(dictionary);
        QVERIFY(dictionary->isVisible());
        QCOMPARE(dictionary->windowModality(), Qt::ApplicationModal);
        QCOMPARE(dictionary->windowTitle(), QStringLiteral("汉字查询"));
        dictionary->characterBox()->setText(QStringLiteral("玥"));
        QTest::mouseClick(dictionary->queryButton(), Qt::LeftButton);
        auto* page = dictionary->findChild<numerology_ui::CharacterPageWindow*>();
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral(" 汉字[ 玥 ]的详细解释"));
        QVERIFY(page->view()->toPlainText().contains(QStringLiteral("玥")));
        dictionary->close();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->findChild<numerology_ui::CharacterQueryWindow*>(),
                                 60000);
    }

    void helpShowsTheManualInTheProgramsOwnWindow() {
        // Without the manual nothing opens.
        m_window->helpAction()->trigger();
        QVERIFY(!m_window->findChild<numerology_ui::PageWindow*>());

        QDir(m_programFolder.path()).mkpath(QStringLiteral("Help"));
        const QString manual = m_programFolder.filePath(QStringLiteral("Help/用户手册.html"));
        QVERIFY(QFile::copy(QStringLiteral(BABYNAME_SOURCE_DIR "/Help/用户手册.html"), manual));
        m_window->helpAction()->trigger();
        auto* window = m_window->findChild<numerology_ui::PageWindow*>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("使用帮助"));
        const QString text = window->view()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("禾朗宝宝起名软件 使用手册")));
        QVERIFY(text.contains(QStringLiteral("新华字典")));
        // The manual can be saved as it is, UTF-8 and all.
        QVERIFY(window->exportAction()->isEnabled());
        QFile source(manual);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(QByteArray::fromStdString(window->view()->pageBytes()), source.readAll());
        QFile::remove(manual);
    }

  private:
    QList<NameDetailWindow*> DetailWindows() const {
        return m_window->findChildren<NameDetailWindow*>();
    }

    QTemporaryDir m_programFolder;
    std::unique_ptr<ProgramSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
};

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
