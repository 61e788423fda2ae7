#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <fstream>
#include <iterator>

#include "knowledge/ui/ArticleWindow.h"
#include "knowledge/ui/ReadingRoom.h"
#include "namedb/tests/FixtureDatabase.h"
#include "widgets/PageExport.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

using knowledge_ui::ArticleWindow;
using knowledge_ui::ReadingRoom;
using widgets::ToGbk;

class ArticleWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fixture::OpenEmptyNameDatabase(m_db);
        int id = 0;
        auto add = [&](const char* table, const char* category, const char* title,
                       const char* body) {
            QVERIFY(fixture::InsertRow(m_db,
                                       ToGbk(QStringLiteral("NB_") + QString::fromUtf8(table)),
                                       {SqlValue::Int(++id), SqlValue::Text("1"),
                                        SqlValue::Text(ToGbk(QString::fromUtf8(category))),
                                        SqlValue::Text(ToGbk(QString::fromUtf8(title))),
                                        SqlValue::Text(ToGbk(QString::fromUtf8(body)))}));
        };
        add("育儿百科", "家居安全", "插座要加盖", "<p>家里的插座都要加上保护盖。</p>");
        add("育儿百科", "家居安全", "窗台装护栏", "<p>窗台要装护栏，家具不放窗下。</p>");
        add("育儿百科", "家居安全", "药品放高处", "<p>药品锁进高处的柜子。</p>");
        add("育儿百科", "出行安全", "安全座椅", "<p>乘车要用儿童安全座椅。</p>");
        add("算命风水", "家居安全", "镜子", "<p>风水里的镜子。</p>");
    }

    void init() {
        QVERIFY(m_folder.isValid());
        m_owner = std::make_unique<QWidget>();
        m_room = std::make_unique<ReadingRoom>(
            ReadingRoom::Services{[this] { return &m_db; }, m_folder.path().toStdString(), {}},
            m_owner.get());
    }
    void cleanup() {
        m_room.reset();
        m_owner.reset();
    }

    void categoryListsItsArticlesAndShowsTheFirst() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* window = m_room->articleWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("家居安全"));
        QCOMPARE(window->list()->model()->Rows(),
                 (std::vector<QStringList>{{"插座要加盖"}, {"窗台装护栏"}, {"药品放高处"}}));
        QCOMPARE(window->list()->currentIndex().row(), 0);
        QVERIFY(window->pageView()->toPlainText().contains(QStringLiteral("插座都要加上保护盖")));

        // The shared page file holds the same page, as GBK.
        std::ifstream in(m_folder.filePath("temp.html").toStdString(), std::ios::binary);
        const std::string written((std::istreambuf_iterator<char>(in)), {});
        QVERIFY(widgets::FromGbk(written).contains(QStringLiteral("<H1>插座要加盖</H1>")));

        // Choosing another title shows that article.
        QTest::mouseClick(
            window->list()->viewport(), Qt::LeftButton, {},
            window->list()->visualRect(window->list()->model()->index(2, 0)).center());
        QCOMPARE(window->list()->currentIndex().row(), 2);
        QVERIFY(window->pageView()->toPlainText().contains(QStringLiteral("药品锁进高处")));
    }

    // The menus of the two tables each read their own table.
    void tableDecidesTheArticles() {
        m_room->ShowArticleCategory(QStringLiteral("算命风水"), QStringLiteral("家居安全"));
        QCOMPARE(m_room->articleWindow()->list()->model()->Rows(),
                 (std::vector<QStringList>{{"镜子"}}));
        QVERIFY(m_room->articleWindow()->pageView()->toPlainText().contains(
            QStringLiteral("风水里的镜子")));
    }

    void openWindowIsReusedAndExitClosesIt() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* first = m_room->articleWindow();
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("出行安全"));
        QCOMPARE(m_room->articleWindow(), first);
        QCOMPARE(m_owner->findChildren<ArticleWindow*>().size(), 1);
        QCOMPARE(first->windowTitle(), QStringLiteral("出行安全"));
        QCOMPARE(first->list()->model()->Rows(), (std::vector<QStringList>{{"安全座椅"}}));
        QVERIFY(first->pageView()->toPlainText().contains(QStringLiteral("儿童安全座椅")));

        first->exitAction()->trigger();
        QTRY_VERIFY(!m_room->articleWindow());  // closing destroys it
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        QVERIFY(m_room->articleWindow());
        QCOMPARE(m_room->articleWindow()->list()->model()->rowCount(), 3);
    }

    // 首页, 后退 and 前进 step through the articles the window has shown, across categories, and
    // each is enabled only when it can act.
    void homeBackAndForwardFollowTheArticlesShown() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* window = m_room->articleWindow();
        const auto enabled = [window] {
            return QString::number(window->homeAction()->isEnabled()) +
                   QString::number(window->backAction()->isEnabled()) +
                   QString::number(window->forwardAction()->isEnabled());
        };
        const auto shows = [window](const char* text) {
            return window->pageView()->toPlainText().contains(QString::fromUtf8(text));
        };
        QCOMPARE(enabled(), QStringLiteral("000"));  // one article: nowhere to go
        window->list()->setCurrentIndex(window->list()->model()->index(2, 0));
        QVERIFY(shows("药品锁进高处"));
        QCOMPARE(enabled(), QStringLiteral("110"));
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("出行安全"));
        QVERIFY(shows("儿童安全座椅"));

        window->backAction()->trigger();  // back into the other category
        QVERIFY(shows("药品锁进高处"));
        QCOMPARE(window->windowTitle(), QStringLiteral("家居安全"));
        QCOMPARE(window->list()->currentIndex().row(), 2);
        QCOMPARE(enabled(), QStringLiteral("111"));
        window->backAction()->trigger();
        QVERIFY(shows("插座都要加上保护盖"));
        QCOMPARE(enabled(), QStringLiteral("001"));
        window->forwardAction()->trigger();
        window->forwardAction()->trigger();
        QVERIFY(shows("儿童安全座椅"));
        QCOMPARE(enabled(), QStringLiteral("110"));
        window->homeAction()->trigger();  // the first article, as a new step
        QVERIFY(shows("插座都要加上保护盖"));
        QCOMPARE(enabled(), QStringLiteral("010"));
        window->backAction()->trigger();
        QVERIFY(shows("儿童安全座椅"));
    }

    void emptyCategoryShowsNothing() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("没有的分类"));
        QCOMPARE(m_room->articleWindow()->list()->model()->rowCount(), 0);
        QVERIFY(m_room->articleWindow()->pageView()->toPlainText().isEmpty());
    }

    void resizingKeepsTheListWidthAndGrowsThePage() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* window = m_room->articleWindow();
        window->resize(1000, 700);
        QTRY_COMPARE(window->list()->frame()->geometry(), QRect(0, 40, 232, 630));
        QCOMPARE(window->pageView()->geometry(), QRect(240, 40, 754, 630));
        QCOMPARE(window->toolbar()->width(), 1000);
    }

    // 打印 goes through the print dialog; printed to a PDF file, the page holds the article.
    void printsThroughTheDialog() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* window = m_room->articleWindow();
        const QString pdf = m_folder.filePath(QStringLiteral("article.pdf"));
        window->printer()->setOutputFormat(QPrinter::PdfFormat);
        window->printer()->setOutputFileName(pdf);

        bool dialogShown = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            dialogShown = dialog != nullptr;
            if (dialog) dialog->accept();
        });
        window->printAction()->trigger();
        QVERIFY(dialogShown);

        QProcess reader;
        reader.start(pdftotext,
                     {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("插座要加盖")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("保护盖")), qPrintable(text));
    }

    // 导出 saves the article on show as the page the program wrote.
    void exportsTheArticleOnShow() {
        m_room->ShowArticleCategory(QStringLiteral("育儿百科"), QStringLiteral("家居安全"));
        ArticleWindow* window = m_room->articleWindow();
        const QString file = m_folder.filePath(QStringLiteral("插座要加盖.html"));
        widgets::PageExport::SetSaveQuestion([&](const QString&, QWidget*) { return file; });
        window->exportAction()->trigger();
        widgets::PageExport::SetSaveQuestion({});
        std::ifstream saved(file.toStdString(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(saved)),
                                std::istreambuf_iterator<char>());
        QCOMPARE(bytes, window->pageView()->pageBytes());
        QVERIFY(widgets::FromGbk(bytes).contains(QStringLiteral("保护盖")));
    }

  private:
    SqliteDatabase m_db;
    QTemporaryDir m_folder;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<ReadingRoom> m_room;
};

QTEST_MAIN(ArticleWindowTest)
#include "ArticleWindowTest.moc"
