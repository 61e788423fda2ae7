#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "files/WriteFileAtomically.h"
#include "generation/GenerationInputs.h"
#include "generation/PoemCatalog.h"
#include "generation/RememberedNamingInputs.h"
#include "generation/ui/QtGenerationObserver.h"

class QPushButton;
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
class EnglishNamePage;
class GenerationCharacterDialog;
class HighScorePage;
class ModeSelectionPage;
class NicknamePage;
class PoemPage;
class SuperLuckyPage;
class WaitingWindow;

// The naming pages and the tab host that shows them.
struct NamingPages {
    ModeSelectionPage* modeSelection = nullptr;
    HighScorePage* highScore = nullptr;
    SuperLuckyPage* superLucky = nullptr;
    PoemPage* poem = nullptr;
    CombinationPage* combination = nullptr;
    NicknamePage* nickname = nullptr;
    EnglishNamePage* english = nullptr;
    ClassicPage* classic = nullptr;
    QTabWidget* tabs = nullptr;  // 高级选择夹1
};

// What the naming needs from the program around it.
struct NamingServices {
    RunController* runs = nullptr;
    // The loaded name database (waiting for the load), or nullptr.
    std::function<SqliteDatabase*()> database;
    // Where the exported lists are written: the user's documents folder.
    std::filesystem::path exportDirectory;
    // Enables or disables a control that lives outside the naming pages (模式选择 on the toolbar
    // and in the menu) as well as those on them.
    std::function<void(WindowControl, bool)> setControlEnabled;
    QWidget* window = nullptr;  // owns the waiting window, the dialog and the message boxes
};

// The one place where naming is started from the window. It reads the pages' inputs when a run
// starts, hands the run to the worker, files the rows the run writes into the pages' lists, and
// answers every start, pause and export button of the naming pages, 开始起名 first.
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

    // 诗词: the poets, the chosen poet's poems, and the chosen poem's character boxes.
    void ListPoets();
    void ListPoems();
    void UsePoem();

    // The three export buttons.
    void ExportHighScore();
    void ExportSuperLucky();
    void ExportClassic();

    // 设置辈份: opens the dialog over the window without blocking; the setting changes when the
    // dialog closes.
    void OpenGenerationCharacterDialog();
    GenerationCharacterDialog* generationCharacterDialog() const;
    const GenerationCharacterSetting& generationCharacter() const { return m_generationCharacter; }
    // The state of a fresh start: no generation character, the mark in grey.
    void ResetGenerationCharacter();

    WaitingWindow* waitingWindow() const;
    QtGenerationObserver* observer() const { return m_observer; }
    // Replaces the desktop's "open this file" (tests keep files from opening).
    void SetDocumentOpener(std::function<void(const std::filesystem::path&)> opener);
    // Fixes the shuffle of every later run (tests); nullopt seeds from the clock again.
    void SetShuffleSeed(std::optional<std::uint64_t> seed) { m_shuffleSeed = seed; }
    // Window-thread time spent filing rows into the lists since the program started.
    qint64 rowFilingNanoseconds() const { return m_rowFilingNanoseconds; }

  signals:
    // A double click on a generated name: the report window answers it.
    void nameDetailRequested(const QString& surname, const QString& givenName,
                             const QStringList& row, bool addRecord);
    // A double click on an English name.
    void englishNameActivated(const QString& name);
    // The current run has ended and given the controls back.
    void runEnded();
    // An export was written to file (its full path).
    void exportWritten(const QString& file);

  private:
    GenerationInputs ReadInputs(GenerationMode mode) const;
    void StopCurrentRun();
    void BeginRun(GenerationMode mode);
    void OnPauseClicked(GenerationMode ownMode);
    void ExportList(ResultList list, const char* fileName);
    void ShowExportResult(const files::WriteFileResult& result, const std::filesystem::path& file);
    void Tip(const QString& text, MessageIcon icon);
    widgets::ResultListView* ListView(ResultList list) const;
    void OnRowActivated(ResultList list, int row);
    void ConnectPages();

    // RunWindow: the run's calls, on the window thread.
    void ShowWaitingWindow() override;
    void CloseWaitingWindow() override;
    void ShowProgress(int done, int total) override;
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override;
    void SetControlEnabled(WindowControl control, bool enabled) override;
    void ShowPage(RunPage page) override;
    void AppendRows(ResultList list, std::vector<QStringList> rows) override;
    void ReplaceRows(ResultList list, std::vector<QStringList> rows) override;
    void WriteClassicText(const std::string& gbkText, const QString& text) override;
    void OpenDocument(const std::filesystem::path& file) override;

    NamingPages m_pages;
    NamingServices m_services;
    QtGenerationObserver* m_observer;
    QPointer<WaitingWindow> m_waiting;
    QPointer<GenerationCharacterDialog> m_dialog;
    std::function<void(const std::filesystem::path&)> m_openDocument;
    std::optional<std::uint64_t> m_shuffleSeed;

    GenerationCharacterSetting m_generationCharacter;
    RememberedNamingInputs m_remembered;
    std::optional<GenerationMode> m_currentMode;
    std::map<ResultList, QString> m_listSurnames;  // the surname each list's names were made for
    std::string m_classicText;                     // the last classic text, as the run made it
    QString m_poemsPoet;
    std::vector<poem_catalog::PoemTitle> m_poemTitles;
    qint64 m_rowFilingNanoseconds = 0;
    bool m_shutDown = false;
};

}  // namespace generation_ui
