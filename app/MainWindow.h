#pragma once

#include <QMainWindow>

#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolBar;
class ProgramSession;
class RecordsPage;
class SettingsKeeper;
class SqliteDatabase;
namespace generation_ui {
class ModeSelectionPage;
class HighScorePage;
class PoemPage;
class CombinationPage;
class NicknamePage;
class EnglishNamePage;
class SuperLuckyPage;
class ClassicPage;
class NamingController;
}  // namespace generation_ui
namespace numerology_ui {
class ScorePage;
class NameDetailOpener;
}  // namespace numerology_ui
namespace birthchart_ui {
class BirthChartPage;
}
namespace knowledge_ui {
class ReadingRoom;
}

// The main window: menus, toolbar, status bar, the tab host with the eleven pages, navigation,
// the pause buttons, skins and the orderly exit. The pages own their controls and rules; the
// window only places them and switches between them.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(ProgramSession& session);
    ~MainWindow() override;

    // Fills the start-up state, shows the window and starts loading the name database.
    void StartUp();
    // Toolbar button indices: 0 模式选择, 2 生辰八字, 4 姓名评分, 6 爱名列表, 8 新华字典.
    void Navigate(int index);
    // Stops a running generation, closes the database and ends the program's work.
    void ShutDown();

    // What a naming run switches: its controls and its pages.
    void SetRunControlEnabled(WindowControl control, bool enabled);
    void ShowRunPage(RunPage page);

    int skinNumber() const { return m_skinNumber; }
    QString statusText() const;
    int statusIcon() const { return m_statusIconIndex; }

    QTabWidget* pages() const { return m_pages; }
    QToolBar* toolbar() const { return m_toolbar; }
    // Toolbar buttons 0, 2, 4, 6, 8 in order (their menu items trigger the same navigation).
    const QList<QAction*>& navigationActions() const { return m_navigationActions; }
    QAction* skinAction() const { return m_skinAction; }
    QAction* helpAction() const { return m_helpAction; }
    QAction* exitAction() const { return m_exitAction; }

    generation_ui::ModeSelectionPage* modeSelectionPage() const { return m_modeSelection; }
    generation_ui::HighScorePage* highScorePage() const { return m_highScore; }
    generation_ui::PoemPage* poemPage() const { return m_poem; }
    generation_ui::CombinationPage* combinationPage() const { return m_combination; }
    generation_ui::NicknamePage* nicknamePage() const { return m_nickname; }
    generation_ui::EnglishNamePage* englishNamePage() const { return m_english; }
    birthchart_ui::BirthChartPage* birthChartPage() const { return m_birthChart; }
    numerology_ui::ScorePage* scorePage() const { return m_score; }
    RecordsPage* recordsPage() const { return m_records; }
    generation_ui::SuperLuckyPage* superLuckyPage() const { return m_superLucky; }
    generation_ui::ClassicPage* classicPage() const { return m_classic; }
    generation_ui::NamingController* namingController() const { return m_naming; }
    knowledge_ui::ReadingRoom* readingRoom() const { return m_readingRoom; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildPages();
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void SetModeStatus(int modeIndex);
    void ConnectNaming();
    void ChangeSkin();
    void ConnectNameDetail();
    void ConnectChartElements();
    void OpenHelp();
    void OpenAbout();
    void ConnectReadingRoom();
    // The loaded name database for an action the user asked for; when there is none, says so
    // (what is wrong and what to do) and gives nullptr, so no button does nothing in silence.
    SqliteDatabase* NeededDatabase();

    ProgramSession& m_session;
    QString m_databaseProblem;  // why the load failed, in the user's words
    QTabWidget* m_pages = nullptr;
    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_navigationActions;
    QList<QAction*> m_navigationMenuItems;
    QAction* m_skinAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_exitAction = nullptr;
    QLabel* m_statusIcon = nullptr;
    QLabel* m_statusText = nullptr;
    int m_statusIconIndex = 0;
    int m_skinNumber = 1;

    generation_ui::ModeSelectionPage* m_modeSelection = nullptr;
    generation_ui::HighScorePage* m_highScore = nullptr;
    generation_ui::PoemPage* m_poem = nullptr;
    generation_ui::CombinationPage* m_combination = nullptr;
    generation_ui::NicknamePage* m_nickname = nullptr;
    generation_ui::EnglishNamePage* m_english = nullptr;
    birthchart_ui::BirthChartPage* m_birthChart = nullptr;
    numerology_ui::ScorePage* m_score = nullptr;
    RecordsPage* m_records = nullptr;
    generation_ui::SuperLuckyPage* m_superLucky = nullptr;
    generation_ui::ClassicPage* m_classic = nullptr;
    SettingsKeeper* m_settings = nullptr;
    generation_ui::NamingController* m_naming = nullptr;
    numerology_ui::NameDetailOpener* m_nameDetail = nullptr;
    knowledge_ui::ReadingRoom* m_readingRoom = nullptr;
};
