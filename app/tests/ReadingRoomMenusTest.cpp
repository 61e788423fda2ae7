#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "birthchart/ui/BirthChartPage.h"
#include "knowledge/ui/ArticleWindow.h"
#include "knowledge/ui/ReadingRoom.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageView.h"
#include "widgets/ResultListView.h"

// The main window with the program's own name database: the birth chart it shows at start-up and
// the 45 commands of the two knowledge menus.
class ReadingRoomMenusTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        widgets::MessageBoxes::SetRecorder(
            [this](const QString& text, const QString&, widgets::MessageBoxes::Icon) {
                m_messages << text;
            });
        const QString database = QStringLiteral(BABYNAME_SOURCE_DIR "/data/namedata.db");
        m_hasDatabase = QFile::exists(database);
        QVERIFY(m_folder.isValid());
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("data")));
        if (m_hasDatabase)
            QVERIFY(QFile::link(database, m_folder.filePath(QStringLiteral("data/namedata.db"))));
        m_session = std::make_unique<ProgramSession>(m_folder.path().toStdString());
        m_window = std::make_unique<MainWindow>(*m_session);
        m_window->StartUp();
    }
    void cleanupTestCase() {
        m_window.reset();
        m_session.reset();
    }

    // The chart page is filled at start-up from the naming date 2013-01-01 0时.
    void startUpShowsTheChartOfTheNamingDate() {
        QFile expected(
            QStringLiteral(BABYNAME_SOURCE_DIR "/birthchart/tests/data/bazi-2013-01-01-0.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(m_window->birthChartPage()->report()->toPlainText() + "\n",
                 QString::fromUtf8(expected.readAll()));
    }

    void everyKnowledgeCommandOpensItsCategory() {
        if (!m_hasDatabase) QSKIP("data/namedata.db is not built");
        QList<QAction*> commands;
        for (QAction* action : m_window->menuBar()->findChildren<QAction*>())
            if (action->objectName().startsWith(QStringLiteral("菜单_"))) commands << action;
        QCOMPARE(commands.size(), 45);

        knowledge_ui::ArticleWindow* window = nullptr;
        for (QAction* command : commands) {
            const QString category = command->text();
            command->trigger();
            if (!window) window = m_window->readingRoom()->articleWindow();
            QVERIFY(window);
            QCOMPARE(m_window->readingRoom()->articleWindow(), window);  // one window, reused
            QCOMPARE(window->windowTitle(), category);
            QVERIFY2(window->list()->model()->rowCount() >= 3, qPrintable(category));
            QCOMPARE(window->list()->currentIndex().row(), 0);
            const QString firstTitle = window->list()->model()->Row(0)[0];
            QVERIFY2(window->pageView()->toPlainText().startsWith(firstTitle),
                     qPrintable(category + ": " + firstTitle));
        }
        QCOMPARE(m_window->findChildren<knowledge_ui::ArticleWindow*>().size(), 1);
        QVERIFY(m_messages.isEmpty());
    }

  private:
    QTemporaryDir m_folder;
    bool m_hasDatabase = false;
    std::unique_ptr<ProgramSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
};

QTEST_MAIN(ReadingRoomMenusTest)
#include "ReadingRoomMenusTest.moc"
