#include "widgets/PageView.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

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

void PageView::Print(QPrinter* printer) const {
    // The reports are tables of a fixed width; laid out on the paper's width they would run off
    // its right edge. The page is laid out at the printer's resolution, as wide as its widest line
    // needs, and drawn scaled down to the printable width, page by page.
    std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->documentLayout()->setPaintDevice(printer);
    const QRectF paper = printer->pageRect(QPrinter::DevicePixel);
    if (paper.width() <= 0 || paper.height() <= 0) return;
    copy->setTextWidth(paper.width());
    const qreal width = std::max(paper.width(), copy->idealWidth());
    const qreal scale = paper.width() / width;
    const QSizeF page(width, paper.height() / scale);
    copy->setPageSize(page);
    QPainter painter(printer);
    if (!painter.isActive()) return;
    painter.scale(scale, scale);
    for (int at = 0; at < copy->pageCount(); ++at) {
        if (at > 0) printer->newPage();
        painter.save();
        const QRectF shown(0, at * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        copy->drawContents(&painter, shown);
        painter.restore();
    }
}

}  // namespace widgets
