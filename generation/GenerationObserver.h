#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The lists a run writes into.
enum class ResultList { HighScore, SuperLucky, Poem, Combination, Nickname, English };

enum class MessageIcon { None, Information, Warning, Error };

// One row of a result list, all cells text: 编号 | 姓名 | 简体笔划 | 繁体笔划 | 五行 | 五格 | 三才
// | 评分 for the Chinese lists, 编号 | 英文名 | 中文读音 | 相关含义 for the English list.
using ResultRow = std::vector<std::string>;

// The window's controls that a run enables and disables. The window maps each to its widgets.
enum class WindowControl {
    ModeSelection,        // toolbar button 0 and its menu item
    HighScorePause,       // the 高分 page's pause button
    HighScoreRegenerate,  // the 高分 page's "generate again" button
    HighScoreExport,
    SuperLuckyGenerate,
    SuperLuckyPause,
    SuperLuckyExport,
    NicknameGenerate,
};

// The pages a run brings to the front.
enum class RunPage {
    HighScore,    // the 高分 page of the main tabs
    PoemResults,  // the result tab inside the 诗词 page
    Classic,      // the 经典 page of the main tabs
};

// How a run talks to the window. Every call comes from the worker thread. Apart from ShowMessage,
// a window must not wait for its own thread inside a call (it posts the work there instead): the
// window thread's Stop waits for a call in progress. Once Stop has returned no further call is
// made, except that a message box already on screen is still waited for; the window closes the
// waiting window of a run it stops, and drops work it posted before the stop if it empties the
// list after it.
class GenerationObserver {
  public:
    virtual ~GenerationObserver() = default;

    virtual void ShowWaitingWindow() = 0;
    virtual void CloseWaitingWindow() = 0;
    // How far the preparation shown by the waiting window has come, where the run knows its
    // total (the 超吉 pool); a window that shows no progress ignores it.
    virtual void ShowProgress(int done, int total) {
        (void)done;
        (void)total;
    }
    // Shows a message box with an OK button and returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
    virtual void SetControlEnabled(WindowControl control, bool enabled) = 0;
    virtual void ShowPage(RunPage page) = 0;
    // Rows written since the last call, to be shown after the rows written before them.
    virtual void RowsWritten(ResultList list, const std::vector<ResultRow>& rows) = 0;
    // The list as the run leaves it: it replaces whatever the rows written so far showed.
    virtual void ListFinished(ResultList list, const std::vector<ResultRow>& rows) = 0;
    virtual void WriteClassicText(const std::string& text) = 0;
    // Opens a written file with the desktop's program for it; failures go unreported.
    virtual void OpenDocument(const std::filesystem::path& file) = 0;
};
