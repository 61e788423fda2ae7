#include "generation/ui/QtGenerationObserver.h"

#include <QCoreApplication>
#include <QThread>

#include "widgets/GbkRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace generation_ui {

void QtGenerationObserver::BoxWait::Release() {
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    released.notify_all();
}

void QtGenerationObserver::BoxWait::Wait() {
    std::unique_lock lock(mutex);
    released.wait(lock, [this] { return done; });
}

QtGenerationObserver::QtGenerationObserver(RunWindow& window, QObject* parent)
    : QObject(parent), m_window(window) {}

QtGenerationObserver::~QtGenerationObserver() { Cancel(); }

void QtGenerationObserver::BeginRun() {
    ++m_run;
    m_batches = 0;
}

void QtGenerationObserver::Cancel() {
    m_cancelled = true;
    std::vector<std::shared_ptr<BoxWait>> waits;
    {
        std::lock_guard lock(m_waitsMutex);
        waits.swap(m_waits);
    }
    for (const auto& wait : waits) wait->Release();
    widgets::MessageBoxes::CloseOpenBoxes();
}

bool QtGenerationObserver::IsCurrent(unsigned long long run) const {
    return !m_cancelled.load() && m_run.load() == run;
}

template <typename Work>
void QtGenerationObserver::Post(Work work) {
    const unsigned long long run = m_run.load();
    if (m_cancelled.load()) return;
    // On the window thread (a hold, a resume, a stop the user asked for) there is nothing to
    // carry: the window hears of it before the click returns, after what the run sent before.
    if (QThread::currentThread() == thread()) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        work();
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, run, work = std::move(work)]() mutable {
            if (IsCurrent(run)) work();
        },
        Qt::QueuedConnection);
}

void QtGenerationObserver::RunStarted(GenerationMode mode) {
    Post([this, mode] { m_window.RunStarted(mode); });
}

void QtGenerationObserver::ProgressMade(int done, int total) {
    Post([this, done, total] { m_window.ProgressMade(done, total); });
}

void QtGenerationObserver::RunHeld() {
    Post([this] { m_window.RunHeld(); });
}

void QtGenerationObserver::RunResumed() {
    Post([this] { m_window.RunResumed(); });
}

void QtGenerationObserver::RunFinished(GenerationMode mode, RunOutcome outcome,
                                       const std::string& message) {
    Post([this, mode, outcome, text = widgets::FromGbk(message)] {
        m_window.RunFinished(mode, outcome, text);
    });
}

void QtGenerationObserver::ShowMessage(const std::string& text, const std::string& title,
                                       MessageIcon icon) {
    auto wait = std::make_shared<BoxWait>();
    {
        std::lock_guard lock(m_waitsMutex);
        if (m_cancelled.load()) return;
        m_waits.push_back(wait);
    }
    const unsigned long long run = m_run.load();
    QMetaObject::invokeMethod(
        this,
        [this, run, wait, text = widgets::FromGbk(text), title = widgets::FromGbk(title), icon] {
            if (IsCurrent(run)) m_window.ShowMessage(text, title, icon);
            wait->Release();
        },
        Qt::QueuedConnection);
    wait->Wait();
    std::lock_guard lock(m_waitsMutex);
    std::erase(m_waits, wait);
}

void QtGenerationObserver::RowsReady(ResultList list, std::span<const ResultRow> rows) {
    if (m_batchHook) m_batchHook(++m_batches);
    Post([this, list, converted = widgets::FromGbkRows(rows)]() mutable {
        m_window.AppendRows(list, std::move(converted));
    });
}

void QtGenerationObserver::ListFinished(ResultList list, const std::vector<ResultRow>& rows) {
    Post([this, list, converted = widgets::FromGbkRows(rows)]() mutable {
        m_window.ReplaceRows(list, std::move(converted));
    });
}

void QtGenerationObserver::ClassicTextReady(const std::string& text) {
    Post([this, text, shown = widgets::FromGbk(text)] { m_window.ClassicTextReady(text, shown); });
}

}  // namespace generation_ui
