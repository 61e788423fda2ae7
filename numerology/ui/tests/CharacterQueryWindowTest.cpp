#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "numerology/ui/CharacterQueryWindow.h"
#include "numerology/ui/PageWindow.h"
#include "numerology/ui/tests/NameDetailFixture.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageView.h"

using numerology_ui::CharacterPageWindow;
using numerology_ui::CharacterQueryWindow;

class CharacterQueryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_fixture = std::make_unique<NameDetailFixture>();
        m_dialog = std::make_unique<CharacterQueryWindow>(m_fixture->source(),
                                                          m_fixture->pagesFolder(), nullptr);
        m_dialog->show();
    }
    void cleanup() { m_dialog.reset(); }

    void aCharacterOpensItsPage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("shown");
        QTest::addRow("outside GB2312")
            << "玥"
            << " 汉字[ 玥 ]的详细解释" << QStringList{"玥", "yuè", "传说中的一种神珠"};
        QTest::addRow("traditional strokes")
            << "欧"
            << " 汉字[ 欧 ]的详细解释" << QStringList{"欧", "15", "指欧洲"};
        // The box is looked up as it stands: an empty one gives a page with empty sections.
        QTest::addRow("empty box") << ""
                                   << " 汉字[  ]的详细解释" << QStringList{"基本解释", "详细解释"};
    }
    void aCharacterOpensItsPage() {
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QStringList, shown);
        m_dialog->characterBox()->setText(typed);
        QTest::mouseClick(m_dialog->queryButton(), Qt::LeftButton);
        const auto windows = m_dialog->findChildren<CharacterPageWindow*>();
        QCOMPARE(windows.size(), 1);
        CharacterPageWindow* window = windows.first();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), caption);
        const QString text = window->view()->toPlainText();
        for (const QString& part : shown) QVERIFY2(text.contains(part), qPrintable(text));
    }

    // Text with no Chinese character in it opens no blank page: a message says so.
    void textWithoutAChineseCharacterIsTold() {
        QList<QStringList> boxes;
        widgets::MessageBoxes::RecordInto(&boxes);
        m_dialog->characterBox()->setText(QStringLiteral("abc"));
        QTest::mouseClick(m_dialog->queryButton(), Qt::LeftButton);
        QVERIFY(m_dialog->findChildren<CharacterPageWindow*>().isEmpty());
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0][0].contains(QStringLiteral("没有汉字")), qPrintable(boxes[0][0]));
        widgets::MessageBoxes::SetRecorder({});
    }

    // The page windows belong to the dialog: each query opens one more, and they close with it.
    void pageWindowsCloseWithTheDialog() {
        m_dialog->characterBox()->setText(QStringLiteral("李"));
        QTest::mouseClick(m_dialog->queryButton(), Qt::LeftButton);
        m_dialog->characterBox()->setText(QStringLiteral("月"));
        QTest::keyClick(m_dialog->characterBox(), Qt::Key_Return);
        QPointer<CharacterPageWindow> first =
            m_dialog->findChildren<CharacterPageWindow*>().value(0);
        QCOMPARE(m_dialog->findChildren<CharacterPageWindow*>().size(), 2);
        m_dialog.reset();
        QVERIFY(!first);
    }

  private:
    std::unique_ptr<NameDetailFixture> m_fixture;
    std::unique_ptr<CharacterQueryWindow> m_dialog;
};

QTEST_MAIN(CharacterQueryWindowTest)
#include "CharacterQueryWindowTest.moc"
