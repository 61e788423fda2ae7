#pragma once

#include <QMainWindow>
#include <memory>

#include "app/DatabaseLoading.h"
#include "generation/RunController.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolBar;

// The main window: menus, toolbar, the eleven pages, the status bar, page navigation, the
// five-element filter rules, the pause buttons, skins and the orderly exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(
        DatabaseLoading::LoadFunction loadDatabase = DatabaseLoading::NameDatabaseLoader());
    ~MainWindow() override;

    // Fills the start-up state, shows the window and starts loading the name database.
    void StartUp();
    // Toolbar button indices: 0 模式选择, 2 生辰八字, 4 姓名评分, 6 爱名列表, 8 新华字典.
    void Navigate(int index);
    void ChangeSkin();
    int skinNumber() const { return m_skinNumber; }
    // Stops a running generation, closes the database and ends the program's work.
    void ShutDown();

    // The holder of the naming runs: at most one runs, on a worker thread of its own.
    RunController& generationRuns() { return m_generationRuns; }
    QTabWidget* pages() const { return m_pages; }
    QToolBar* toolbar() const { return m_toolbar; }
    DatabaseLoading& databaseLoading() { return *m_loading; }
    QString statusText() const;
    int statusIcon() const { return m_statusIconIndex; }

    template <typename Widget>
    Widget* Control(const QString& name) const {
        return findChild<Widget*>(name);
    }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void ConnectShellControls();
    void FillDateBoxes(const QStringList& names, bool withMinutes);
    void SetModeStatus(int modeIndex);
    void OnMasterFilterClicked(QCheckBox* master);
    void OnPauseClicked(bool superLuckyPage);
    void OpenHelp();
    void OpenAbout();

    QTabWidget* m_pages = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_statusIcon = nullptr;
    QLabel* m_statusText = nullptr;
    int m_statusIconIndex = 0;
    int m_skinNumber = 1;
    bool m_shutDown = false;
    RunController m_generationRuns;
    DatabaseLoading::LoadFunction m_loadDatabase;
    DatabaseLoading* m_loading = nullptr;
};
