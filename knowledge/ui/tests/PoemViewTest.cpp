#include <QTemporaryDir>
#include <QTest>

#include "knowledge/ui/ReadingRoom.h"
#include "namedb/tests/FixtureDatabase.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

using knowledge_ui::ReadingRoom;
using widgets::ToGbk;

// The poem tab's lists are filled by the poem mode; here the test fills them.
class PoemViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fixture::OpenEmptyNameDatabase(m_db);
        int id = 0;
        auto add = [&](const char* title, const char* poet, const char* text) {
            QVERIFY(fixture::InsertRow(
                m_db, ToGbk(QStringLiteral("NB_全唐诗")),
                {SqlValue::Int(++id), SqlValue::Text(ToGbk(QString::fromUtf8(title))),
                 SqlValue::Text(ToGbk(QString::fromUtf8(poet))),
                 SqlValue::Text(ToGbk(QString::fromUtf8(text)))}));
        };
        add("送别", "王维", "下马饮君酒，问君何所之。君言不得意，归卧南山陲。");
        add("送别", "李白", "寻阳五溪水，沿洄直入巫山里。");
        add("题\"旧\"居", "李白", "一句诗。");
    }

    void init() {
        m_poets = std::make_unique<widgets::ResultListView>(
            "超级列表框_诗人列表", QStringList{"编号", "诗人"}, QList<int>{0}, "诗人");
        m_poems = std::make_unique<widgets::ResultListView>(
            "超级列表框_诗词残", QStringList{"编号", "诗词标题"}, QList<int>{0}, "诗词");
        m_view = std::make_unique<widgets::PageView>();
        m_room = std::make_unique<ReadingRoom>(
            ReadingRoom::Services{[this] { return &m_db; }, m_folder.path().toStdString(), {}},
            nullptr);
        m_room->AttachPoemLists(m_poets.get(), m_poems.get(), m_view.get());
        m_poets->model()->SetRows({{"1", "王维"}, {"2", "李白"}});
        m_poems->model()->SetRows({{"1", "送别"}, {"2", "题\"旧\"居"}});
    }
    void cleanup() {
        m_room.reset();
        m_view.reset();
        m_poems.reset();
        m_poets.reset();
    }

    void poemWithTwoFullStopsShowsAsTwoLines() {
        Choose(m_poets.get(), 0);
        Choose(m_poems.get(), 0);
        QCOMPARE(
            m_view->toPlainText().split('\n', Qt::SkipEmptyParts),
            (QStringList{"王维:送别", "下马饮君酒，问君何所之。", "君言不得意，归卧南山陲。"}));
        QFile page(m_folder.filePath("temp.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(widgets::FromGbk(page.readAll().toStdString())
                    .contains(QStringLiteral("问君何所之。<br>君言不得意")));
    }

    // A title two poets used shows the chosen poet's poem, and a quote in a title is only text.
    void poemIsTheChosenPoetsOwn_data() {
        QTest::addColumn<int>("poem");
        QTest::addColumn<QString>("expected");
        QTest::addRow("shared title") << 0 << QStringLiteral("寻阳五溪水，沿洄直入巫山里。");
        QTest::addRow("quote in the title") << 1 << QStringLiteral("一句诗。");
    }
    void poemIsTheChosenPoetsOwn() {
        QFETCH(int, poem);
        QFETCH(QString, expected);
        Choose(m_poets.get(), 1);
        Choose(m_poems.get(), poem);
        const QStringList lines = m_view->toPlainText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("李白:") + m_poems->model()->Row(poem)[1]);
        QCOMPARE(lines.mid(1), QStringList{expected});
    }

  private:
    static void Choose(widgets::ResultListView* list, int row) {
        list->setCurrentIndex(list->model()->index(row, 0));
    }

    SqliteDatabase m_db;
    QTemporaryDir m_folder;
    std::unique_ptr<widgets::ResultListView> m_poets;
    std::unique_ptr<widgets::ResultListView> m_poems;
    std::unique_ptr<widgets::PageView> m_view;
    std::unique_ptr<ReadingRoom> m_room;
};

QTEST_MAIN(PoemViewTest)
#include "PoemViewTest.moc"
