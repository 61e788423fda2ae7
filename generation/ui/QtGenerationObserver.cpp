#include "generation/ui/QtGenerationObserver.h"

#include <QThread>

#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace generation_ui {

std::vector<QStringList> ToQtRows(const std::vector<ResultRow>& rows) {
    std::vector<QStringList> converted;
    converted.reserve(rows.size());
    for (const ResultRow& row : rows) {
        QStringList cells;
        cells.reserve(qsizetype(row.size()));
        for (const std::string& cell : row) cells << widgets::FromGbk(cell);
        converted.push_back(std::move(cells));
    }
    return converted;
}

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
    QMetaObject::invokeMethod(
        this,
        [this, run, work = std::move(work)]() mutable {
            if (IsCurrent(run)) work();
        },
        Qt::QueuedConnection);
}

void QtGenerationObserver::ShowWaitingWindow() {
    Post([this] { m_window.ShowWaitingWindow(); });
}

void QtGenerationObserver::CloseWaitingWindow() {
    Post([this] { m_window.CloseWaitingWindow(); });
}

void QtGenerationObserver::ShowProgress(int done, int total) {
    Post([this, done, total] { m_window.ShowProgress(done, total); });
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

void QtGenerationObserver::SetControlEnabled(WindowControl control, bool enabled) {
    Post([this, control, enabled] { m_window.SetControlEnabled(control, enabled); });
}

void QtGenerationObserver::ShowPage(RunPage page) {
    Post([this, page] { m_window.ShowPage(page); });
}

void QtGenerationObserver::RowsWritten(ResultList list, const std::vector<ResultRow>& rows) {
    if (m_batchHook) m_batchHook(++m_batches);
    Post([this, list, converted = ToQtRows(rows)]() mutable {
        m_window.AppendRows(list, std::move(converted));
    });
}

void QtGenerationObserver::ListFinished(ResultList list, const std::vector<ResultRow>& rows) {
    Post([this, list, converted = ToQtRows(rows)]() mutable {
        m_window.ReplaceRows(list, std::move(converted));
    });
}

void QtGenerationObserver::WriteClassicText(const std::string& text) {
    Post([this, text, shown = widgets::FromGbk(text)] { m_window.WriteClassicText(text, shown); });
}

void QtGenerationObserver::OpenDocument(const std::filesystem::path& file) {
    // The exports call this on the window thread; there is nothing to wait for.
    if (QThread::currentThread() == thread()) {
        if (!m_cancelled.load()) m_window.OpenDocument(file);
        return;
    }
    Post([this, file] { m_window.OpenDocument(file); });
}

}  // namespace generation_ui
