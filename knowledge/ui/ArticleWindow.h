#pragma once

#include <QPrinter>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "widgets/HistoryButtons.h"

class QAction;
class QFrame;
class QStatusBar;
class QToolBar;
class SqliteDatabase;

namespace widgets {
class PageView;
class ResultListView;
}  // namespace widgets

namespace knowledge_ui {

// "文章阅读窗口": the titles of one category's articles beside the page of the chosen one.
class ArticleWindow : public QWidget {
    Q_OBJECT
  public:
    // database: the loaded name database (nullptr when it failed to load); pageFile: the shared
    // page file (data/temp.html) the article pages are written to.
    ArticleWindow(std::function<SqliteDatabase*()> database, std::filesystem::path pageFile,
                  QWidget* owner);

    QToolBar* toolbar() const { return m_toolbar; }
    widgets::ResultListView* list() const { return m_list; }
    widgets::PageView* pageView() const { return m_view; }
    QStatusBar* statusBar() const { return m_statusBar; }
    QAction* homeAction() const { return m_home; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }
    QAction* exportAction() const { return m_export; }
    QAction* printAction() const { return m_print; }
    QAction* exitAction() const { return m_exit; }
    // The printer the print dialog starts from; it keeps the user's choices while the window
    // lives.
    QPrinter* printer() { return &m_printer; }
    const QString& currentTable() const { return m_table; }

    // showArticleCategory: lists the category's articles of the table (育儿百科 or 算命风水),
    // titles the window with the category and shows the first article.
    void ShowCategory(const QString& table, const QString& category);
    // showSelectedArticle: writes the current row's article page and shows it.
    void ShowSelectedArticle();
    // The print dialog, then the page on the chosen printer.
    void PrintWithDialog();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // An article this window has shown, with the list it was chosen from.
    struct ArticleVisit {
        QString table, category, title;
        bool operator==(const ArticleVisit&) const = default;
    };
    void StepTo(const ArticleVisit& visit);
    void UpdateHistoryButtons();
    widgets::HistoryButtons HistoryButtons() const;

    std::function<SqliteDatabase*()> m_database;
    std::filesystem::path m_pageFile;
    QToolBar* m_toolbar;
    QFrame* m_rule;
    widgets::ResultListView* m_list;
    widgets::PageView* m_view;
    QStatusBar* m_statusBar;
    QAction* m_home = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_export = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exit = nullptr;
    QPrinter m_printer;
    QString m_table;  // currentArticleTable
    QString m_category;
    bool m_filling = false;
    widgets::PageHistory<ArticleVisit> m_history;
    bool m_stepping = false;  // showing an article of the history, which is no new visit
};

}  // namespace knowledge_ui
