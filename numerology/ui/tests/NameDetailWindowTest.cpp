#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include "numerology/ui/NameDetailOpener.h"
#include "numerology/ui/NameDetailWindow.h"
#include "numerology/ui/PageWindow.h"
#include "numerology/ui/ScorePage.h"
#include "numerology/ui/tests/ListClicks.h"
#include "numerology/ui/tests/NameDetailFixture.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageExport.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"

using numerology_ui::NameDetailOpener;
using numerology_ui::NameDetailWindow;

namespace {

// The text a tab shows, as a reader sees it.
QString TabText(NameDetailWindow* window, int tab) { return window->view(tab)->toPlainText(); }

}  // namespace

class NameDetailWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        widgets::MessageBoxes::SetRecorder([](const QString&, const QString&, auto) {});
        m_fixture = std::make_unique<NameDetailFixture>();
        m_owner = std::make_unique<QWidget>();
        m_opener =
            new NameDetailOpener(m_fixture->source(), m_fixture->pagesFolder(), m_owner.get());
        m_list = new widgets::ResultListView("超级列表框_高分起名", widgets::NameListColumns(),
                                             widgets::NameListNumericColumns(),
                                             widgets::NameListHint(), m_owner.get());
        m_list->frame()->setParent(m_owner.get());
        m_list->frame()->resize(500, 300);
        m_opener->ConnectRecordedNameList(m_list);
        m_owner->show();
    }
    void cleanup() {
        numerology_ui::BrowserFrame::SetPrinterQuestion({});
        m_owner.reset();
    }

    // 评分 adds a row whose name holds a line break; its double click opens the six pages.
    void theScoreListOpensTheSixPagesOfItsName() {
        numerology_ui::ScorePage page;
        page.SetDatabase(m_fixture->source(), m_fixture->pagesFolder());
        m_opener->ConnectRecordedNameList(page.list());
        QSignalSpy records(m_opener, &NameDetailOpener::recordRequested);
        page.surname()->setText(QStringLiteral("李"));
        page.givenName()->setText(QStringLiteral("月光"));
        QTest::mouseClick(page.scoreButton(), Qt::LeftButton);
        page.resize(600, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        DoubleClickRow(*page.list(), 0);
        auto* window = OnlyWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("李 月光姓名详细解释"));
        QStringList captions;
        for (int tab = 0; tab < NameDetailWindow::kTabCount; ++tab)
            captions << window->tabs()->tabText(tab);
        QCOMPARE(captions,
                 (QStringList{"姓名详细解释", "李", "月", "光", "", "姓氏起源", "名字品质"}));
        QVERIFY(!window->tabs()->isTabEnabled(4));
        QCOMPARE(window->statusText(), QStringLiteral("名字评分"));
        QVERIFY(TabText(window, 0).contains(QStringLiteral("姓名五格评分")));
        QVERIFY(TabText(window, 0).contains(QStringLiteral("86")));
        QVERIFY(TabText(window, 1).contains(QStringLiteral("李树，果实可吃")));
        QVERIFY(TabText(window, 2).contains(QStringLiteral("月亮，地球的卫星")));
        QVERIFY(TabText(window, 3).contains(QStringLiteral("照耀在物体上")));
        QVERIFY(TabText(window, 5).contains(QStringLiteral("出自嬴姓，以官为氏")));
        // A name of the score list is no new record.
        QCOMPARE(records.count(), 0);

        // The status bar names the page on show; 退出 closes the window.
        window->tabs()->setCurrentIndex(2);
        QCOMPARE(window->statusText(), QStringLiteral("月"));
        window->exitAction()->trigger();
        QTRY_VERIFY(!OnlyWindow());
    }

    // Qt would read these pages, which say charset=gb2312, as GB2312 and show 玥 as "h".
    void charactersOutsideGb2312ShowAsThemselves() {
        NameDetailWindow* window = m_opener->OpenNameDetail(
            QStringLiteral("李"), QStringLiteral("玥"), QStringLiteral("李玥"), nullptr);
        QVERIFY(window);
        QCOMPARE(window->tabs()->tabText(2), QStringLiteral("玥"));
        QVERIFY(TabText(window, 2).contains(QStringLiteral("玥")));
        QVERIFY(TabText(window, 2).contains(QStringLiteral("传说中的一种神珠")));
        QVERIFY(TabText(window, 0).contains(QStringLiteral("玥")));
        QVERIFY(!TabText(window, 0).contains(QStringLiteral("李h")));
        QVERIFY(!window->tabs()->isTabVisible(3));
    }

    // Each window keeps the pages it opened with, although both wrote the same page files.
    void twoWindowsKeepTheirOwnNames() {
        NameDetailWindow* first = m_opener->OpenNameDetail(
            QStringLiteral("李"), QStringLiteral("月光"), QStringLiteral("李月光"), nullptr);
        NameDetailWindow* second = m_opener->OpenNameDetail(
            QStringLiteral("欧阳"), QStringLiteral("玥"), QStringLiteral("欧阳玥"), nullptr);
        QVERIFY(first && second && first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        for (int tab = 0; tab < NameDetailWindow::kTabCount; ++tab) {
            first->tabs()->setCurrentIndex(tab);
            second->tabs()->setCurrentIndex(tab);
        }
        QCOMPARE(first->windowTitle(), QStringLiteral("李月光姓名详细解释"));
        QVERIFY(TabText(first, 1).contains(QStringLiteral("李树")));
        QVERIFY(TabText(first, 3).contains(QStringLiteral("照耀")));
        QVERIFY(TabText(first, 5).contains(QStringLiteral("嬴姓")));
        QVERIFY(TabText(second, 1).contains(QStringLiteral("欧洲")));
        QVERIFY(TabText(second, 3).contains(QStringLiteral("神珠")));
        QVERIFY(TabText(second, 5).contains(QStringLiteral("越王勾践")));
    }

    void printingWritesThePageOnShow() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext reads the printed file back; it is not here");
        NameDetailWindow* window = m_opener->OpenNameDetail(
            QStringLiteral("李"), QStringLiteral("玥"), QStringLiteral("李玥"), nullptr);
        QVERIFY(window);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        numerology_ui::BrowserFrame::SetPrinterQuestion([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
        // Prints a tab and reads the PDF back, each word with the page it is on and how far
        // right it ends, in points.
        struct Word {
            QString text;
            int page;
            double right;
        };
        double paperWidth = 0;
        const auto printTab = [&](int tab) {
            window->tabs()->setCurrentIndex(tab);
            window->printAction()->trigger();
            QProcess reader;
            reader.start(pdftotext, {QStringLiteral("-bbox"), file, QStringLiteral("-")});
            reader.waitForFinished();
            const QString xml = QString::fromUtf8(reader.readAllStandardOutput());
            std::vector<Word> words;
            int page = 0;
            static const QRegularExpression tag(QStringLiteral(
                R"re(<page width="([\d.]+)"|xMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
            for (const QRegularExpressionMatch& match : tag.globalMatch(xml)) {
                if (match.capturedLength(1)) {
                    ++page;
                    paperWidth = match.captured(1).toDouble();
                    continue;
                }
                // The embedded font maps some characters to their radical forms (一 as ⼀);
                // read them as the characters they are.
                words.push_back({match.captured(3).normalized(QString::NormalizationForm_KC), page,
                                 match.captured(2).toDouble()});
            }
            return words;
        };
        const auto contains = [](const std::vector<Word>& words, const QString& text, int page) {
            return std::any_of(words.begin(), words.end(), [&](const Word& word) {
                return word.text.contains(text) && (page == 0 || word.page == page);
            });
        };
        QVERIFY(contains(printTab(2), QStringLiteral("传说中的一种神珠"), 0));
        // The report is a wide table: its right-hand cells are on page 1, within the paper.
        const std::vector<Word> report = printTab(0);
        QVERIFY(contains(report, QStringLiteral("外格"), 1));
        QVERIFY(contains(report, QStringLiteral("总格"), 1));
        for (const Word& word : report) QVERIFY2(word.right <= paperWidth, qPrintable(word.text));

        // Cancelling the print dialog prints nothing.
        QFile::remove(file);
        numerology_ui::BrowserFrame::SetPrinterQuestion([](QPrinter&, QWidget*) { return false; });
        window->printAction()->trigger();
        QVERIFY(!QFile::exists(file));
    }

    // 导出 saves the page on show, as the program wrote it, where the parent chooses.
    void exportSavesThePageOnShow() {
        QList<QStringList> boxes;
        widgets::MessageBoxes::RecordInto(&boxes);
        NameDetailWindow* window = m_opener->OpenNameDetail(
            QStringLiteral("李"), QStringLiteral("玥"), QStringLiteral("李玥"), nullptr);
        QVERIFY(window);
        window->tabs()->setCurrentIndex(2);
        QVERIFY(window->exportAction()->isEnabled());
        QTemporaryDir folder;
        QString target = folder.filePath(QStringLiteral("李玥.html"));
        QString suggested;
        widgets::PageExport::SetSaveQuestion([&](const QString& file, QWidget*) {
            suggested = file;
            return target;
        });
        window->exportAction()->trigger();
        QVERIFY2(suggested.endsWith(QStringLiteral("/李玥 玥.html")), qPrintable(suggested));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.toStdString(), window->view(2)->pageBytes());
        QVERIFY(widgets::FromGbk(bytes.toStdString()).contains(QStringLiteral("传说中的一种神珠")));
        QVERIFY(boxes.isEmpty());

        // Cancelling saves nothing; a folder in the file's place is told and left alone.
        saved.close();
        QVERIFY(saved.remove());
        target.clear();
        window->exportAction()->trigger();
        QVERIFY(QDir(folder.path()).isEmpty());
        target = folder.path();
        window->exportAction()->trigger();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0][2], QString::number(int(widgets::MessageBoxes::Icon::Warning)));
        QVERIFY(QFileInfo(folder.path()).isDir());
        widgets::PageExport::SetSaveQuestion({});
    }

    // The detail window's 后退, 前进 and 首页 step through the tabs the parent looked at.
    void homeBackAndForwardFollowTheTabsShown() {
        NameDetailWindow* window = m_opener->OpenNameDetail(
            QStringLiteral("李"), QStringLiteral("月光"), QStringLiteral("李月光"), nullptr);
        QVERIFY(window);
        const auto enabled = [window] {
            return QString::number(window->homeAction()->isEnabled()) +
                   QString::number(window->backAction()->isEnabled()) +
                   QString::number(window->forwardAction()->isEnabled());
        };
        QCOMPARE(enabled(), QStringLiteral("000"));
        window->tabs()->setCurrentIndex(2);
        window->tabs()->setCurrentIndex(5);
        QCOMPARE(enabled(), QStringLiteral("110"));
        window->backAction()->trigger();
        QCOMPARE(window->tabs()->currentIndex(), 2);
        QCOMPARE(window->statusText(), QStringLiteral("月"));
        QCOMPARE(enabled(), QStringLiteral("111"));
        window->forwardAction()->trigger();
        QCOMPARE(window->tabs()->currentIndex(), 5);
        window->homeAction()->trigger();
        QCOMPARE(window->tabs()->currentIndex(), 0);
        QCOMPARE(enabled(), QStringLiteral("010"));
        // A single page has nowhere to go.
        numerology_ui::PageWindow single(QStringLiteral("使用帮助"), m_owner.get());
        QVERIFY(!single.homeAction()->isEnabled() && !single.backAction()->isEnabled() &&
                !single.forwardAction()->isEnabled());
    }

    void nothingOpensWithoutAName() {
        QSignalSpy records(m_opener, &NameDetailOpener::recordRequested);
        // The name is the surname alone: no given name is left to evaluate.
        m_list->model()->AppendRows({{"1", "李", "7", "7", "木", "8,8,1,7,1", "金金木", "0"}});
        QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
        DoubleClickEmptyArea(*m_list);
        DoubleClickRow(*m_list, 0);
        QVERIFY(!m_opener->OpenNameDetail(QStringLiteral("李"), QString(), "李", nullptr));
        QVERIFY(!m_opener->OpenNameDetail(QString(), QStringLiteral("月"), "月", nullptr));
        QVERIFY(!OnlyWindow());
        QCOMPARE(records.count(), 0);
    }

  private:
    // The detail window open on the owner, or nullptr when there is none (or several).
    NameDetailWindow* OnlyWindow() const {
        const auto windows = m_owner->findChildren<NameDetailWindow*>();
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    std::unique_ptr<NameDetailFixture> m_fixture;
    std::unique_ptr<QWidget> m_owner;
    NameDetailOpener* m_opener = nullptr;
    widgets::ResultListView* m_list = nullptr;
};

QTEST_MAIN(NameDetailWindowTest)
#include "NameDetailWindowTest.moc"
