#pragma once

#include <filesystem>
#include <string>

#include "numerology/ui/BrowserFrame.h"

namespace numerology_ui {

// A browser frame with one page, 网页浏览框1: the dictionary's character page and the manual.
class PageWindow : public BrowserFrame {
    Q_OBJECT
  public:
    PageWindow(const QString& caption, QWidget* owner);

    widgets::PageView* view() const { return m_view; }
    widgets::PageView* currentView() const override { return m_view; }
    // Shows the page; the window keeps it whatever later happens to the page files.
    void ShowGbkPage(const std::string& gbkHtml);
    // Shows an HTML file written in UTF-8 (the manual); false when it cannot be read.
    bool ShowUtf8PageFile(const std::filesystem::path& file);

  private:
    widgets::PageView* m_view;
};

// The dictionary's page of one character, captioned " 汉字[ c ]的详细解释".
class CharacterPageWindow : public PageWindow {
    Q_OBJECT
  public:
    CharacterPageWindow(const QString& character, const std::string& gbkPage, QWidget* owner);
};

}  // namespace numerology_ui
