#include "numerology/ui/NameDetailWindow.h"

#include <QTabWidget>

#include "widgets/FormRows.h"
#include "widgets/PageView.h"

namespace numerology_ui {

NameDetailWindow::NameDetailWindow(const QString& caption, const NameDetailPages& pages,
                                   QWidget* owner)
    : BrowserFrame(owner),
      m_name(QString(caption).remove(u' ')),
      m_tabs(widgets::Named(new QTabWidget, "高级选择夹1")) {
    setWindowTitle(caption + QStringLiteral("姓名详细解释"));
    for (int tab = 0; tab < kTabCount; ++tab) {
        m_views[size_t(tab)] =
            widgets::Named(new widgets::PageView, QStringLiteral("网页浏览框%1").arg(tab + 1));
        m_tabs->addTab(m_views[size_t(tab)], QString());
    }

    m_tabs->setTabText(0, QStringLiteral("姓名详细解释"));
    m_views[0]->ShowGbkPage(pages.report);
    m_views[0]->setAccessibleName(QStringLiteral("姓名评分报告"));
    const int characters = std::min<int>(int(pages.characterPages.size()), kSurnameTab - 1);
    for (int tab = 1; tab < kSurnameTab; ++tab) {
        const bool used = tab <= characters;
        // A name of fewer than four characters has nothing to show on the tabs it does not use.
        m_tabs->setTabEnabled(tab, used);
        m_tabs->setTabVisible(tab, used);
        if (!used) continue;
        const QString character = pages.characters.value(tab - 1);
        m_tabs->setTabText(tab, character);
        m_views[size_t(tab)]->ShowGbkPage(pages.characterPages[size_t(tab - 1)]);
        m_views[size_t(tab)]->setAccessibleName(QStringLiteral("汉字“%1”的解释").arg(character));
    }
    m_tabs->setTabText(kSurnameTab, QStringLiteral("姓氏起源"));
    m_views[kSurnameTab]->ShowGbkPage(pages.surnamePage);
    m_views[kSurnameTab]->setAccessibleName(QStringLiteral("姓氏起源"));
    m_tabs->setTabText(kQualityTab, QStringLiteral("名字品质"));
    m_views[kQualityTab]->ShowGbkPage(pages.qualityPage);
    m_views[kQualityTab]->setAccessibleName(QStringLiteral("名字品质"));

    SetPageArea(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { FollowCurrentView(); });
    FollowCurrentView();
}

widgets::PageView* NameDetailWindow::currentView() const {
    return static_cast<widgets::PageView*>(m_tabs->currentWidget());
}

void NameDetailWindow::ShowView(widgets::PageView* view) { m_tabs->setCurrentWidget(view); }

QString NameDetailWindow::exportName() const {
    return m_name + u' ' + m_tabs->tabText(m_tabs->currentIndex());
}

}  // namespace numerology_ui
