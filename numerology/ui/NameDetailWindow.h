#pragma once

#include <QStringList>
#include <array>
#include <string>

#include "numerology/ui/BrowserFrame.h"

class QTabWidget;

namespace numerology_ui {

// The pages of one name, made before its window opens: the score report, the page of each
// character (at most four) and the surname page, all GBK.
struct NameDetailPages {
    std::string report;
    QStringList characters;
    std::vector<std::string> characterPages;  // one per character
    std::string surnamePage;
    std::string
        qualityPage;  // the name's quality beyond the numbers: levels, tones, sounds, source
};

// "姓名详细解释": tabs 高级选择夹1 with the report, the pages of up to four characters and the
// surname page in 网页浏览框1 .. 网页浏览框6, and a seventh, "名字品质", with the findings beyond
// the numerology (rare characters, tones, unlucky sounds, a poem source). The window keeps its
// pages from the moment it opens, so any number of them can be open side by side, each on its own
// name.
class NameDetailWindow : public BrowserFrame {
    Q_OBJECT
  public:
    static constexpr int kTabCount = 7;
    static constexpr int kSurnameTab = 5;
    static constexpr int kQualityTab = 6;

    // caption: the name as it is to be read in the caption, before "姓名详细解释".
    NameDetailWindow(const QString& caption, const NameDetailPages& pages, QWidget* owner);

    QTabWidget* tabs() const { return m_tabs; }
    widgets::PageView* view(int tab) const { return m_views[size_t(tab)]; }
    widgets::PageView* currentView() const override;
    // "萧紫娜 姓氏起源": the name and the tab on show.
    QString exportName() const override;

  protected:
    void ShowView(widgets::PageView* view) override;

  private:
    QString m_name;
    QTabWidget* m_tabs;
    std::array<widgets::PageView*, kTabCount> m_views;
};

}  // namespace numerology_ui
