#pragma once

#include <QString>
#include <vector>

#include "generation/GenerationInputs.h"

namespace generation_ui {

// One naming mode as the window offers it. The table below is the only place that says in which
// order the radio buttons stand, what each is called and what the status bar says of it.
struct NamingMode {
    GenerationMode mode;
    const char* radioName;   // objectName of the radio button on the mode-selection page
    const char* caption;     // the radio button's text
    const char* statusText;  // status bar pane 0 while the mode is chosen
    int statusIcon;          // the status bar image shown beside it
};

// In the order of the radio buttons: 经典 高分 超吉 诗词 组合 起小名 起英文名 典籍.
const std::vector<NamingMode>& NamingModes();

}  // namespace generation_ui
