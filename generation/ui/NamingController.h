#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "generation/GenerationInputs.h"
#include "generation/RememberedNamingInputs.h"
#include "generation/ui/QtGenerationObserver.h"
#include "generation/ui/RunState.h"

class QTabWidget;
class QWidget;
class RunController;
class SqliteDatabase;

namespace widgets {
class ResultListView;
}

namespace generation_ui {

class ClassicPage;
class CombinationPage;
class CanonPage;
class EnglishNamePage;
class HighScorePage;
class ModeSelectionPage;
class NameListExporter;
class NicknamePage;
class PoemNamingPage;
class SuperLuckyPage;
class WaitingWindow;

// The naming pages and the tab host that shows them.
struct NamingPages {
    ModeSelectionPage* modeSelection = nullptr;
    HighScorePage* highScore = nullptr;
    SuperLuckyPage* superLucky = nullptr;
    PoemNamingPage* poem = nullptr;
    CombinationPage* combination = nullptr;
    NicknamePage* nickname = nullptr;
    EnglishNamePage* english = nullptr;
    ClassicPage* classic = nullptr;
    CanonPage* canon = nullptr;
    QTabWidget* tabs = nullptr;  // 高级选择夹1
};

// What the naming needs from the program around it.
struct NamingServices {
    RunController* runs = nullptr;
    // The loaded name database (waiting for the load), or nullptr.
    std::function<SqliteDatabase*()> database;
    // Where the exported lists are written: the user's documents folder.
    std::filesystem::path exportFolder;
    QWidget* window = nullptr;  // owns the waiting window and the message boxes
};

// Starts and stops the naming runs: reads the pages' inputs when a run starts, hands the run to
// the worker, files the rows it reports into the pages' lists, and keeps the run's state, from
// which each page switches its own buttons.
class NamingController : public QObject, private RunWindow {
    Q_OBJECT
  public:
    NamingController(NamingPages pages, NamingServices services, QObject* parent = nullptr);
    ~NamingController() override;

    // 开始起名.
    void StartNaming();
    // A page's own start button: a run of that page's mode.
    void StartRun(GenerationMode mode);
    // At exit: stops the run, drops what it still sends and releases a run that waits for a
    // message box; nothing the program does afterwards waits on the run's window.
    void ShutDown();

    const RunState& runState() const { return m_state; }
    WaitingWindow* waitingWindow() const;
    QtGenerationObserver* observer() const { return m_observer; }
    // Fixes the shuffle of every later run (tests); nullopt seeds from the clock again.
    void SetShuffleSeed(std::optional<std::uint64_t> seed) { m_shuffleSeed = seed; }
    // Window-thread time spent filing rows into the lists since the program started.
    qint64 rowFilingNanoseconds() const { return m_rowFilingNanoseconds; }

  signals:
    // A double click on a generated name: the report window answers it.
    void nameDetailRequested(const QString& surname, const QString& givenName,
                             const QStringList& row, bool addRecord);
    // Every change of the run's state, after the pages have followed it.
    void runStateChanged(const generation_ui::RunState& state);

  private:
    GenerationInputs ReadInputs(GenerationMode mode) const;
    bool ReadyToStart(GenerationMode mode);
    void StopCurrentRun();
    void ClearListFor(GenerationMode mode);
    void SetState(const RunState& state);
    void CloseWaitingWindow();
    void Tip(const QString& text, MessageIcon icon);
    widgets::ResultListView* ListView(ResultList list) const;
    void OnRowActivated(ResultList list, int row);
    void ConnectPages();

    // RunWindow: the run's reports, on the window thread.
    void RunStarted(GenerationMode mode) override;
    void ProgressMade(int done, int total) override;
    void AppendRows(ResultList list, std::vector<QStringList> rows) override;
    void ReplaceRows(ResultList list, std::vector<QStringList> rows) override;
    void ClassicTextReady(const std::string& gbkText, const QString& text) override;
    void RunHeld() override;
    void RunResumed() override;
    void RunFinished(GenerationMode mode, RunOutcome outcome, const QString& message) override;
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override;

    NamingPages m_pages;
    NamingServices m_services;
    QtGenerationObserver* m_observer;
    NameListExporter* m_exporter;
    QPointer<WaitingWindow> m_waiting;
    std::optional<std::uint64_t> m_shuffleSeed;

    RunState m_state;
    RememberedNamingInputs m_remembered;
    std::map<ResultList, QString> m_listSurnames;  // the surname each list's names were made for
    qint64 m_rowFilingNanoseconds = 0;
    bool m_shutDown = false;
};

}  // namespace generation_ui
