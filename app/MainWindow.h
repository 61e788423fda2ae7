#pragma once

#include <QMainWindow>

#include "app/Skins.h"
#include "settings/SavedSettings.h"

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
struct RunState;
class ModeSelectionPage;
class HighScorePage;
class PoemNamingPage;
class CombinationPage;
class NicknamePage;
class EnglishNamePage;
class SuperLuckyPage;
class ClassicPage;
class CanonPage;
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
class MainWindow : public QMainWindow, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit MainWindow(ProgramSession& session);
    ~MainWindow() override;

    // Where the toolbar buttons and the 操作菜单 items lead, in their order.
    enum class Destination { ModeSelection, BirthChart, Score, Records, Dictionary };

    // Fills the start-up state, shows the window and starts loading the name database.
    void StartUp();
    void Navigate(Destination destination);
    // Stops a running generation, closes the database and ends the program's work.
    void ShutDown();

    const SkinCycle& skins() const { return m_skins; }

    // The size of a first start on a screen with this much room: fifteen and more rows of the
    // 超吉 list on a 1366×768 screen.
    static QSize DefaultSize(const QRect& available);

    // The window's place and size.
    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;
    QString statusText() const;
    int statusIcon() const { return m_statusIconIndex; }

    QTabWidget* pages() const { return m_pages; }
    QToolBar* toolbar() const { return m_toolbar; }
    // The toolbar buttons in the order of Destination (their menu items lead to the same places).
    const QList<QAction*>& navigationActions() const { return m_navigationActions; }
    QAction* navigationAction(Destination destination) const {
        return m_navigationActions[int(destination)];
    }
    QAction* skinAction() const { return m_skinAction; }
    QAction* helpAction() const { return m_helpAction; }
    QAction* exitAction() const { return m_exitAction; }

    generation_ui::ModeSelectionPage* modeSelectionPage() const { return m_modeSelection; }
    generation_ui::HighScorePage* highScorePage() const { return m_highScore; }
    generation_ui::PoemNamingPage* poemNamingPage() const { return m_poem; }
    generation_ui::CombinationPage* combinationPage() const { return m_combination; }
    generation_ui::NicknamePage* nicknamePage() const { return m_nickname; }
    generation_ui::EnglishNamePage* englishNamePage() const { return m_english; }
    birthchart_ui::BirthChartPage* birthChartPage() const { return m_birthChart; }
    numerology_ui::ScorePage* scorePage() const { return m_score; }
    RecordsPage* recordsPage() const { return m_records; }
    generation_ui::SuperLuckyPage* superLuckyPage() const { return m_superLucky; }
    generation_ui::ClassicPage* classicPage() const { return m_classic; }
    generation_ui::CanonPage* canonPage() const { return m_canon; }
    generation_ui::NamingController* namingController() const { return m_naming; }
    knowledge_ui::ReadingRoom* readingRoom() const { return m_readingRoom; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void PlaceOnScreen();
    void BuildPages();
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void SetModeStatus(int modeIndex);
    void ConnectNaming();
    void FollowRunState(const generation_ui::RunState& state);
    void ConnectSettings();
    void ChangeSkin();
    void ConnectNameDetail();
    void ConnectChartElements();
    void OpenHelp();
    void OpenAbout();
    void ConnectReadingRoom();
    void ShowArticles(const QString& table, const QString& category);
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
    SkinCycle m_skins;

    generation_ui::ModeSelectionPage* m_modeSelection = nullptr;
    generation_ui::HighScorePage* m_highScore = nullptr;
    generation_ui::PoemNamingPage* m_poem = nullptr;
    generation_ui::CombinationPage* m_combination = nullptr;
    generation_ui::NicknamePage* m_nickname = nullptr;
    generation_ui::EnglishNamePage* m_english = nullptr;
    birthchart_ui::BirthChartPage* m_birthChart = nullptr;
    numerology_ui::ScorePage* m_score = nullptr;
    RecordsPage* m_records = nullptr;
    generation_ui::SuperLuckyPage* m_superLucky = nullptr;
    generation_ui::ClassicPage* m_classic = nullptr;
    generation_ui::CanonPage* m_canon = nullptr;
    SettingsKeeper* m_settings = nullptr;
    generation_ui::NamingController* m_naming = nullptr;
    numerology_ui::NameDetailOpener* m_nameDetail = nullptr;
    knowledge_ui::ReadingRoom* m_readingRoom = nullptr;
};
