#include "namedb/LoadingNameDatabase.h"

#include <exception>

namespace {

// Keeps the loader's message and passes it on to the caller's sink.
class KeepingSink : public LoadFailureSink {
  public:
    explicit KeepingSink(LoadFailureSink* next) : m_next(next) {}
    void ShowLoadFailure(const std::string& gbkText) override {
        if (text.empty()) text = gbkText;
        if (m_next) m_next->ShowLoadFailure(gbkText);
    }
    std::string text;

  private:
    LoadFailureSink* m_next;
};

}  // namespace

LoadingNameDatabase::~LoadingNameDatabase() {
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
        KeepingSink failures(sink);
        bool loaded = false;
        try {
            loaded = loader(m_database, failures);
        } catch (const std::exception& error) {
            // Out of memory while copying the tables, say: the program goes on without data.
            failures.ShowLoadFailure(error.what());
        }
        if (!loaded) {
            m_database.Close();
            if (failures.text.empty()) failures.ShowLoadFailure("名字数据库加载失败");
        }
        std::lock_guard lock(m_mutex);
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
