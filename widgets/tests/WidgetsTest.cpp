#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "widgets/DateSelector.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"
#include "widgets/WrittenFileNotice.h"

using namespace widgets;

class WidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    void numberColumnsSortByValueAndTextColumnsAsText() {
        ResultListModel model(NameListColumns(), NameListNumericColumns());
        QAbstractItemModelTester tester(&model);
        model.AppendRows({{"1", "李乙", "9", "9", "", "", "", "9"},
                          {"2", "李甲", "10", "10", "", "", "", "100"},
                          {"3", "李丙", "9", "9", "", "", "", "95"}});
        model.AppendRows({});  // an empty batch changes nothing
        QCOMPARE(model.rowCount(), 3);

        model.sort(7, Qt::DescendingOrder);
        QStringList scores;
        for (const QStringList& row : model.Rows()) scores << row[7];
        QCOMPARE(scores, (QStringList{"100", "95", "9"}));

        // Equal keys keep their order: after the score sort 李丙 (95) stands before 李乙 (9).
        model.sort(2, Qt::AscendingOrder);
        QCOMPARE(model.Row(0)[1], QStringLiteral("李丙"));
        QCOMPARE(model.Row(1)[1], QStringLiteral("李乙"));
        QCOMPARE(model.Row(2)[1], QStringLiteral("李甲"));

        model.RemoveRow(1);
        model.RemoveRow(7);  // out of range: nothing happens
        QCOMPARE(model.rowCount(), 2);
    }

    // A saved name (surname CR LF given name) reads on one line and keeps its stored form; Chinese
    // names sort by pinyin, not by code point.
    void namesReadOnOneLineAndSortByPinyin() {
        ResultListModel model(NameListColumns(), NameListNumericColumns());
        model.AppendRows(
            {{"1", "张\r\n三"}, {"2", "李\r\n月光"}, {"3", "王五"}, {"4", "阿\r\n福"}});
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("李月光"));
        QCOMPARE(model.data(model.index(1, 1), Qt::AccessibleTextRole).toString(),
                 QStringLiteral("李月光"));
        QCOMPARE(model.Row(1)[1], QStringLiteral("李\r\n月光"));
        model.sort(1, Qt::AscendingOrder);
        QStringList order;
        for (int row = 0; row < model.rowCount(); ++row)
            order << model.data(model.index(row, 1)).toString();
        QCOMPARE(order, (QStringList{"阿福", "李月光", "王五", "张三"}));
    }

    // A written file is named by its full path in the status bar, which offers its folder; where
    // the desktop cannot open it, a message says where it is.
    void aWrittenFileSaysWhereItWent() {
        QList<QStringList> boxes;
        MessageBoxes::RecordInto(&boxes);
        QStringList opened;
        bool canOpen = true;
        WrittenFileNotice::SetOpener([&](const QString& path) {
            opened << path;
            return canOpen;
        });
        QMainWindow window;
        window.statusBar();
        const QString file = QStringLiteral("/home/parent/文档/超吉名字.txt");
        WrittenFileNotice::Tell(&window, file, true);
        auto* notice = window.statusBar()->findChild<QLabel*>(QStringLiteral("已写文件提示"));
        QVERIFY(notice);
        QVERIFY(notice->text().contains(file));
        QVERIFY(notice->text().contains(QStringLiteral("href=\"/home/parent/文档\"")));
        QCOMPARE(opened, QStringList{file});
        QVERIFY(boxes.isEmpty());

        canOpen = false;
        WrittenFileNotice::Tell(&window, file, true);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0][0].contains(file));
        emit notice->linkActivated(QStringLiteral("/home/parent/文档"));
        QCOMPARE(opened.last(), QStringLiteral("/home/parent/文档"));
        QCOMPARE(window.statusBar()->findChildren<QLabel*>(QStringLiteral("已写文件提示")).size(),
                 1);
        WrittenFileNotice::SetOpener({});
        MessageBoxes::SetRecorder({});
    }

    void doubleClickReportsRowsButNotTheEmptyArea() {
        ResultListView view("列表", NameListColumns(), NameListNumericColumns(), NameListHint());
        view.frame()->resize(400, 300);
        view.frame()->show();
        view.model()->AppendRows({{"1", "李月光", "", "", "", "", "", "86"}});
        QSignalSpy activated(&view, &ResultListView::rowActivated);
        const QRect first = view.visualRect(view.model()->index(0, 1));
        // A double click is a press, a release and the double-click event, as a mouse sends it.
        auto doubleClick = [&view](QPoint at) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(first.center());
        doubleClick(QPoint(first.center().x(), view.viewport()->height() - 5));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 0);
        QCOMPARE(view.accessibleName(), NameListHint());
    }

    // The meaning takes the room the numbers spare, and a cell too long for its column shows
    // whole in its tip.
    void theMeaningGetsTheRoomAndItsTip() {
        ResultListView view("列表", NameListColumnsWithSense(), NameListNumericColumns(),
                            NameListHint());
        view.frame()->resize(1000, 300);
        view.frame()->show();
        const QString sense = QStringLiteral("梓木、故乡；包容、涵养");
        view.model()->AppendRows({{"1", "李梓涵", "21", "24", "木水", "", "", "92", sense}});
        QVERIFY(view.columnWidth(0) < view.columnWidth(1));
        QVERIFY(view.columnWidth(8) > view.columnWidth(1));
        QCOMPARE(view.model()->data(view.model()->index(0, 8), Qt::ToolTipRole).toString(), sense);
    }

    void dateSelectorStartsOnTheFirstDayOf2013() {
        DateSelector date({"年", "月", "日", "时", "分"}, QStringLiteral("出生日期"));
        date.Reset();
        date.month()->setCurrentIndex(4);
        date.Reset();  // a second reset empties and refills, never doubling the items
        QCOMPARE(date.year()->count(), 61);
        QCOMPARE(date.Texts(), (QStringList{"2013", "1", "1", "0", "0"}));
        QCOMPARE(date.hour()->accessibleName(), QStringLiteral("出生日期 时"));
        DateSelector noMinutes({"a", "b", "c", "d"}, QStringLiteral("日期"));
        QVERIFY(noMinutes.minute() == nullptr);
    }

    // 玥 is in GBK but not in GB2312: a page that declares gb2312 must still show it.
    void pageViewDecodesGbkPagesThatDeclareGb2312() {
        QTemporaryDir folder;
        const std::string file = folder.filePath("page.html").toStdString();
        std::ofstream(file, std::ios::binary)
            << "<html><head><meta http-equiv=Content-Type content=\"text/html; charset=gb2312\">"
               "</head><body>" +
                   ToGbk(QStringLiteral("李玥")) + "</body></html>";
        PageView view;
        QVERIFY(view.ShowPageFile(file));
        QVERIFY(view.toPlainText().contains(QStringLiteral("李玥")));
        QVERIFY(!view.ShowPageFile(folder.filePath("missing.html").toStdString()));
        QVERIFY(view.toPlainText().isEmpty());
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
