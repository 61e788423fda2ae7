#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "generation/GenerationObserver.h"

namespace generation_ui {

// What the window does for a naming run. Every call arrives on the window thread, in the order
// the run made it, and only while the run it belongs to is still the window's current run.
class RunWindow {
  public:
    virtual ~RunWindow() = default;
    virtual void RunStarted(GenerationMode mode) = 0;
    virtual void ProgressMade(int done, int total) = 0;
    virtual void AppendRows(ResultList list, std::vector<QStringList> rows) = 0;
    virtual void ReplaceRows(ResultList list, std::vector<QStringList> rows) = 0;
    // The classic text as the run made it (GBK), and as the text box shows it.
    virtual void ClassicTextReady(const std::string& gbkText, const QString& text) = 0;
    virtual void RunHeld() = 0;
    virtual void RunResumed() = 0;
    virtual void RunFinished(GenerationMode mode, RunOutcome outcome, const QString& message) = 0;
    // Shows the box and returns when the user has closed it.
    virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon) = 0;
};

// Carries a run's calls from its worker thread to the window; the calls made on the window
// thread itself (held, resumed, stopped) go straight through. The GBK rows are turned into
// QStrings on the worker, so the window thread only files them. Each call is stamped with the
// run it belongs to: once the window has begun another run (or cancelled at exit), calls of the
// earlier one are dropped on arrival, so rows of a stopped run never reach a list. A message box
// keeps its run waiting, but on something that Cancel releases: exit never waits on a box.
class QtGenerationObserver : public QObject, public GenerationObserver {
    Q_OBJECT
  public:
    explicit QtGenerationObserver(RunWindow& window, QObject* parent = nullptr);
    ~QtGenerationObserver() override;

    // Window thread, after the previous run has been stopped and before the next one starts:
    // from now on only calls made after this point are shown.
    void BeginRun();
    // Window thread, at exit: drops every call still on its way, releases every run that waits
    // for a message box and shows no further box.
    void Cancel();
    // Called on the worker before each batch of rows is sent, with the batch's number within
    // its run (1 for the first). Tests use it to catch a run at a known point; set it before the
    // run starts.
    void SetBatchHook(std::function<void(int batch)> hook) { m_batchHook = std::move(hook); }

    void RunStarted(GenerationMode mode) override;
    void ProgressMade(int done, int total) override;
    void RowsReady(ResultList list, std::span<const ResultRow> rows) override;
    void ListFinished(ResultList list, const std::vector<ResultRow>& rows) override;
    void ClassicTextReady(const std::string& text) override;
    void RunHeld() override;
    void RunResumed() override;
    void RunFinished(GenerationMode mode, RunOutcome outcome, const std::string& message) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

  private:
    // A run waiting for its message box to close.
    struct BoxWait {
        std::mutex mutex;
        std::condition_variable released;
        bool done = false;
        void Release();
        void Wait();
    };

    // Runs work on the window thread if the run that asked is still current by then.
    template <typename Work>
    void Post(Work work);
    bool IsCurrent(unsigned long long run) const;

    RunWindow& m_window;
    std::atomic<unsigned long long> m_run{0};
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_batches{0};
    std::function<void(int)> m_batchHook;
    std::mutex m_waitsMutex;
    std::vector<std::shared_ptr<BoxWait>> m_waits;
};

}  // namespace generation_ui
