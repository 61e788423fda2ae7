#pragma once

#include "generation/GenerationObserver.h"

// An observer that shows nothing; tests and benchmarks override only the calls they watch.
class QuietObserver : public GenerationObserver {
  public:
    void RunStarted(GenerationMode) override {}
    void RowsReady(ResultList, std::span<const ResultRow>) override {}
    void ListFinished(ResultList, const std::vector<ResultRow>&) override {}
    void ClassicTextReady(const std::string&) override {}
    void RunFinished(GenerationMode, RunOutcome, const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};
