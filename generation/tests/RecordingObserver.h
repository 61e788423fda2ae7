#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "generation/GenerationObserver.h"

// Records every call of a run, in order, so a test can check each step without a window. Safe to
// read from the test thread while a worker writes.
class RecordingObserver : public GenerationObserver {
  public:
    void RunStarted(GenerationMode mode) override {
        Log("started:" + std::to_string(static_cast<int>(mode)));
    }
    void ProgressMade(int done, int total) override {
        Log("progress:" + std::to_string(done) + "/" + std::to_string(total));
    }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        Log("message:" + text + "|" + title + "|" + std::to_string(static_cast<int>(icon)));
    }
    void RowsReady(ResultList list, std::span<const ResultRow> rows) override {
        {
            std::lock_guard lock(m_mutex);
            auto& written = m_written[list];
            written.insert(written.end(), rows.begin(), rows.end());
            m_log.push_back("rows:" + std::to_string(rows.size()));
        }
        if (onRowsWritten) onRowsWritten();
    }
    void ListFinished(ResultList list, const std::vector<ResultRow>& rows) override {
        std::lock_guard lock(m_mutex);
        m_finished[list] = rows;
        m_log.push_back("finished:" + std::to_string(rows.size()));
    }
    void ClassicTextReady(const std::string& text) override {
        std::lock_guard lock(m_mutex);
        m_classicText = text;
        m_log.push_back("classic");
    }
    void RunHeld() override { Log("held"); }
    void RunResumed() override { Log("resumed"); }
    void RunFinished(GenerationMode, RunOutcome outcome, const std::string& message) override {
        static const char* const names[] = {"complete", "stopped", "failed"};
        Log(std::string("end:") + names[static_cast<int>(outcome)] +
            (message.empty() ? "" : "|" + message));
    }

    // Called on the worker thread after rows were recorded; set before the run starts.
    std::function<void()> onRowsWritten;

    std::vector<std::string> log() const {
        std::lock_guard lock(m_mutex);
        return m_log;
    }
    std::vector<ResultRow> written(ResultList list) const {
        std::lock_guard lock(m_mutex);
        auto it = m_written.find(list);
        return it == m_written.end() ? std::vector<ResultRow>{} : it->second;
    }
    bool hasFinished(ResultList list) const {
        std::lock_guard lock(m_mutex);
        return m_finished.count(list) > 0;
    }
    std::vector<ResultRow> finished(ResultList list) const {
        std::lock_guard lock(m_mutex);
        auto it = m_finished.find(list);
        return it == m_finished.end() ? std::vector<ResultRow>{} : it->second;
    }
    std::string classicText() const {
        std::lock_guard lock(m_mutex);
        return m_classicText;
    }
    size_t callCount() const {
        std::lock_guard lock(m_mutex);
        return m_log.size();
    }
    bool logged(const std::string& entry) const {
        std::lock_guard lock(m_mutex);
        for (const std::string& line : m_log)
            if (line == entry) return true;
        return false;
    }
    // Index of the first log entry starting with prefix, or -1.
    int indexOf(const std::string& prefix) const {
        std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < m_log.size(); ++i)
            if (m_log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        return -1;
    }

  private:
    void Log(std::string entry) {
        std::lock_guard lock(m_mutex);
        m_log.push_back(std::move(entry));
    }

    mutable std::mutex m_mutex;
    std::vector<std::string> m_log;
    std::map<ResultList, std::vector<ResultRow>> m_written;
    std::map<ResultList, std::vector<ResultRow>> m_finished;
    std::string m_classicText;
};
