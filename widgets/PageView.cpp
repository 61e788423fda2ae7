#include "widgets/PageView.h"

#include <QPrinter>
#include <QTextDocument>
#include <fstream>
#include <iterator>

#include "widgets/QtText.h"

namespace widgets {

PageView::PageView(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true);
    setAccessibleName(QStringLiteral("页面"));
}

bool PageView::ShowPageFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        m_pageBytes.clear();
        clear();
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    setSearchPaths({QString::fromStdU16String(file.parent_path().u16string())});
    ShowGbkPage(bytes);
    return true;
}

void PageView::ShowGbkPage(const std::string& gbkHtml) {
    m_pageBytes = gbkHtml;
    setHtml(FromGbk(gbkHtml));
}

void PageView::ShowUtf8Page(const std::string& utf8Html) {
    m_pageBytes = utf8Html;
    setHtml(QString::fromStdString(utf8Html));
}

void PageView::Print(QPrinter* printer) const { document()->print(printer); }

}  // namespace widgets
