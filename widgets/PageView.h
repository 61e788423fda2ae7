#pragma once

#include <QTextBrowser>
#include <filesystem>
#include <string>

class QPrinter;

namespace widgets {

// Shows one of the program's GBK pages. The page is decoded from its bytes as GBK by us: Qt would
// read a page that declares charset=gb2312 strictly as GB2312 and garble every character GB2312
// lacks (玥 珺 璟 燊). The view keeps the text it was given, so it never changes when another
// window rewrites the same page file.
class PageView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit PageView(QWidget* parent = nullptr);

    // Reads the file and shows it; false (and an empty view) when it cannot be read.
    bool ShowPageFile(const std::filesystem::path& file);
    // Shows a page held in memory, GBK bytes.
    void ShowGbkPage(const std::string& gbkHtml);
    // Shows a page of UTF-8 bytes (the user manual).
    void ShowUtf8Page(const std::string& utf8Html);
    // The bytes of the page on show, as they were given; empty when the view shows none.
    const std::string& pageBytes() const { return m_pageBytes; }
    void Print(QPrinter* printer) const;

  private:
    std::string m_pageBytes;
};

}  // namespace widgets
