#include "numerology/ui/PageWindow.h"

#include <QFile>
#include <QFileInfo>

#include "widgets/FormRows.h"
#include "widgets/PageView.h"

namespace numerology_ui {

PageWindow::PageWindow(const QString& caption, QWidget* owner)
    : BrowserFrame(owner), m_view(widgets::Named(new widgets::PageView, "网页浏览框1")) {
    setWindowTitle(caption);
    m_view->setAccessibleName(caption);
    SetPageArea(m_view);
    FollowCurrentView();
}

void PageWindow::ShowGbkPage(const std::string& gbkHtml) {
    m_view->ShowGbkPage(gbkHtml);
    FollowCurrentView();
}

bool PageWindow::ShowUtf8PageFile(const std::filesystem::path& file) {
    QFile in(QString::fromStdU16String(file.u16string()));
    if (!in.open(QIODevice::ReadOnly)) return false;
    // Pictures beside the page are found relative to its folder.
    m_view->setSearchPaths({QFileInfo(in).absolutePath()});
    m_view->ShowUtf8Page(in.readAll().toStdString());
    FollowCurrentView();
    return true;
}

CharacterPageWindow::CharacterPageWindow(const QString& character, const std::string& gbkPage,
                                         QWidget* owner)
    : PageWindow(QStringLiteral(" 汉字[ ") + character + QStringLiteral(" ]的详细解释"), owner) {
    ShowGbkPage(gbkPage);
}

}  // namespace numerology_ui
