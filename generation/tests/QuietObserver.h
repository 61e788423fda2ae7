#pragma once

#include "generation/GenerationObserver.h"

// An observer that shows nothing; tests and benchmarks override only the calls they watch.
class QuietObserver : public GenerationObserver {
  public:
    void ShowWaitingWindow() override {}
    void CloseWaitingWindow() override {}
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    void SetControlEnabled(WindowControl, bool) override {}
    void ShowPage(RunPage) override {}
    void RowsWritten(ResultList, const std::vector<ResultRow>&) override {}
    void ListFinished(ResultList, const std::vector<ResultRow>&) override {}
    void WriteClassicText(const std::string&) override {}
    void OpenDocument(const std::filesystem::path&) override {}
};
