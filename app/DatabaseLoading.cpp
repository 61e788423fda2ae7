#include "app/DatabaseLoading.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "app/QtText.h"
#include "namedb/LoadNameDatabase.h"

namespace {
class CallbackSink : public LoadFailureSink {
  public:
    explicit CallbackSink(const std::function<void(const std::string&)>& fail) : m_fail(fail) {}
    void ShowLoadFailure(const std::string& gbkText) override { m_fail(gbkText); }

  private:
    const std::function<void(const std::string&)>& m_fail;
};
}  // namespace

SqliteDatabase& WindowDatabase() {
    static SqliteDatabase database;
    return database;
}

DatabaseLoading::DatabaseLoading(QObject* parent) : QObject(parent) {}

DatabaseLoading::~DatabaseLoading() { Wait(); }

DatabaseLoading::LoadFunction DatabaseLoading::NameDatabaseLoader() {
    return [](const std::function<void(const std::string&)>& fail) {
        CallbackSink sink(fail);
        LoadNameDatabase(
            WindowDatabase(),
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "data" /
                "namedata.db",
            sink);
    };
}

void DatabaseLoading::Start(LoadFunction load) {
    Wait();
    m_finished = false;
    m_thread = std::thread([this, load = std::move(load)] {
        load([this](const std::string& gbk) {
            QString message = FromGbk(gbk);
            // Widgets belong to the window thread: hand the message over to it.
            QMetaObject::invokeMethod(
                this, [this, message] { emit Failed(message); }, Qt::QueuedConnection);
        });
        m_finished = true;
        QMetaObject::invokeMethod(
            this, [this] { emit Finished(); }, Qt::QueuedConnection);
    });
}

void DatabaseLoading::Wait() {
    if (m_thread.joinable()) m_thread.join();
}
