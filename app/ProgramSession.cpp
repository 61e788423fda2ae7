#include "app/ProgramSession.h"

ProgramSession::ProgramSession(std::filesystem::path programDirectory, DatabaseLoader load)
    : m_programDirectory(std::move(programDirectory)),
      m_load(std::move(load)),
      m_loading(std::make_unique<DatabaseLoading>()) {}

ProgramSession::~ProgramSession() { ShutDown(); }

void ProgramSession::StartLoading() {
    if (!m_load) {
        m_loading->Start(
            DatabaseLoading::NameDatabaseLoader(m_database, dataDirectory() / "namedata.db"));
        return;
    }
    m_loading->Start(
        [this](const std::function<void(const std::string&)>& fail) { m_load(m_database, fail); });
}

void ProgramSession::ShutDown() {
    if (m_shutDown) return;
    m_shutDown = true;
    // A run still going (held or not) is stopped; it ends at its next step and its unfinished
    // results are dropped.
    m_runs.ShutDown(true);
    m_loading->Wait();
    m_database.Close();
}
