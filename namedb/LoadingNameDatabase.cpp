#include "namedb/LoadingNameDatabase.h"

#include <exception>

namespace {

// Keeps the loader's message and passes it on to the caller's sink, unless the load was stopped:
// then the failure is the stop's doing and nobody is told.
class KeepingSink : public LoadFailureSink {
  public:
    KeepingSink(LoadFailureSink* next, const std::atomic<bool>& stopped)
        : m_next(next), m_stopped(stopped) {}
    void ShowLoadFailure(const std::string& gbkText) override {
        if (text.empty()) text = gbkText;
        if (m_next && !m_stopped) m_next->ShowLoadFailure(gbkText);
    }
    std::string text;

  private:
    LoadFailureSink* m_next;
    const std::atomic<bool>& m_stopped;
};

}  // namespace

LoadingNameDatabase::~LoadingNameDatabase() {
    Stop();
    if (m_thread.joinable()) m_thread.join();
    m_database.Close();
}

void LoadingNameDatabase::StartLoading(const std::filesystem::path& databaseFile,
                                       LoadFailureSink* sink) {
    StartLoading(
        [databaseFile](SqliteDatabase& db, LoadFailureSink& failures) {
            return LoadNameDatabase(db, databaseFile, failures);
        },
        sink);
}

void LoadingNameDatabase::StartLoading(Loader loader, LoadFailureSink* sink) {
    std::lock_guard lock(m_mutex);
    if (m_state != State::NotStarted) return;
    m_state = State::Loading;
    m_thread = std::thread([this, loader = std::move(loader), sink] {
        KeepingSink failures(sink, m_stopped);
        bool loaded = false;
        try {
            loaded = loader(m_database, failures);
        } catch (const std::exception& error) {
            // Out of memory while copying the tables, say: the program goes on without data.
            failures.ShowLoadFailure(error.what());
        }
        if (!loaded && failures.text.empty()) failures.ShowLoadFailure("名字数据库加载失败");
        std::lock_guard lock(m_mutex);
        // A stop that came after the loader's last step still counts: the connection now refuses
        // every statement, so it must not be handed out.
        if (m_stopped) loaded = false;
        if (!loaded) m_database.Close();
        m_state = loaded ? State::Loaded : State::Failed;
        if (!loaded) m_failureText = failures.text;
        m_finished.notify_all();
    });
}

bool LoadingNameDatabase::WaitUntilLoaded() {
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [this] { return m_state != State::Loading; });
    return m_state == State::Loaded;
}

bool LoadingNameDatabase::HasFinished() const {
    std::lock_guard lock(m_mutex);
    return m_state == State::Loaded || m_state == State::Failed;
}

SqliteDatabase* LoadingNameDatabase::Database() {
    return WaitUntilLoaded() ? &m_database : nullptr;
}

SqliteDatabase* LoadingNameDatabase::DatabaseIfLoaded() {
    std::lock_guard lock(m_mutex);
    return m_state == State::Loaded ? &m_database : nullptr;
}

std::string LoadingNameDatabase::FailureText() const {
    std::lock_guard lock(m_mutex);
    return m_failureText;
}

void LoadingNameDatabase::Stop() {
    std::lock_guard lock(m_mutex);
    if (m_state != State::Loading) return;
    m_stopped = true;
    m_database.RequestStop();
}
