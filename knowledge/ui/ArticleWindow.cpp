#include "knowledge/ui/ArticleWindow.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QPrintDialog>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "files/WriteFileAtomically.h"
#include "knowledge/Articles.h"
#include "widgets/HistoryButtons.h"
#include "widgets/PageExport.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

namespace knowledge_ui {

namespace {
constexpr int kListWidth = 232;
constexpr int kTop = 40;
constexpr int kPageLeft = 240;
constexpr int kBottomRoom = 70;  // below the list and page: a margin and the status bar
}  // namespace

ArticleWindow::ArticleWindow(std::function<SqliteDatabase*()> database,
                             std::filesystem::path pageFile, QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_database(std::move(database)),
      m_pageFile(std::move(pageFile)),
      m_toolbar(new QToolBar(this)),
      m_rule(new QFrame(this)),
      m_list(new widgets::ResultListView(QStringLiteral("超级列表框_文章阅读"),
                                         {QStringLiteral("文章标题[点击阅读]")}, {},
                                         QStringLiteral("文章列表"))),
      m_view(new widgets::PageView(this)),
      m_statusBar(new QStatusBar(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("文章阅读窗口"));
    move(50, 50);

    m_toolbar->setObjectName(QStringLiteral("工具条1"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"首页", QStyle::SP_DirHomeIcon},
        {"后退", QStyle::SP_ArrowBack},
        {"前进", QStyle::SP_ArrowForward},
        {"导出", QStyle::SP_DialogSaveButton},
        {"打印", QStyle::SP_FileDialogDetailedView},
        {"退出", QStyle::SP_DialogCloseButton},
    };
    for (const auto& [caption, icon] : buttons) {
        if (!m_toolbar->actions().isEmpty()) m_toolbar->addSeparator();
        QAction* action =
            m_toolbar->addAction(style()->standardIcon(icon), QString::fromUtf8(caption));
        if (action->text() == QStringLiteral("首页")) m_home = action;
        if (action->text() == QStringLiteral("后退")) m_back = action;
        if (action->text() == QStringLiteral("前进")) m_forward = action;
        if (action->text() == QStringLiteral("导出")) m_export = action;
        if (action->text() == QStringLiteral("打印")) m_print = action;
        if (action->text() == QStringLiteral("退出")) m_exit = action;
    }
    connect(m_export, &QAction::triggered, this,
            [this] { widgets::PageExport::Export(*m_view, this); });
    connect(m_print, &QAction::triggered, this, &ArticleWindow::PrintWithDialog);
    connect(m_exit, &QAction::triggered, this, &QWidget::close);
    // Home, back and forward step through the articles this window has shown.
    HistoryButtons().Connect(this, m_history, [this](const ArticleVisit& visit) { StepTo(visit); });
    UpdateHistoryButtons();

    m_rule->setObjectName(QStringLiteral("分组框4"));
    m_rule->setFrameShape(QFrame::HLine);
    m_rule->setFrameShadow(QFrame::Sunken);

    m_list->frame()->setParent(this);
    m_list->model()->SetRowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    // The titles stay in the order the table gives them.
    m_list->setSortingEnabled(false);
    m_list->horizontalHeader()->setSectionsClickable(false);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_filling) ShowSelectedArticle();
    });

    m_view->setObjectName(QStringLiteral("网页浏览框1"));
    m_view->setAccessibleName(QStringLiteral("文章内容"));
    m_statusBar->setObjectName(QStringLiteral("状态条1"));
    m_statusBar->setSizeGripEnabled(false);

    resize(870, 506);
}

void ArticleWindow::ShowCategory(const QString& table, const QString& category) {
    setWindowTitle(category);
    m_table = table;
    m_category = category;
    std::vector<std::string> titles;
    if (SqliteDatabase* db = m_database ? m_database() : nullptr) {
        try {
            titles = knowledge::ArticleTitles(*db, widgets::ToGbk(table), widgets::ToGbk(category));
        } catch (const DatabaseError&) {
            // An unreadable table lists nothing, like a category without articles.
        }
    }
    std::vector<QStringList> rows;
    rows.reserve(titles.size());
    for (const std::string& title : titles) rows.push_back({widgets::FromGbk(title)});
    m_filling = true;
    m_list->model()->SetRows(std::move(rows));
    if (m_list->model()->rowCount() > 0) m_list->setCurrentIndex(m_list->model()->index(0, 0));
    m_filling = false;
    ShowSelectedArticle();
}

void ArticleWindow::ShowSelectedArticle() {
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid()) {
        m_view->clear();
        return;
    }
    const std::string title = widgets::ToGbk(m_list->model()->Row(current.row()).value(0));
    std::string page;
    if (SqliteDatabase* db = m_database ? m_database() : nullptr) {
        try {
            page = knowledge::ArticlePage(*db, widgets::ToGbk(m_table), title);
        } catch (const DatabaseError&) {
            page = knowledge::FillArticlePage(title, {});
        }
    } else {
        page = knowledge::FillArticlePage(title, {});
    }
    // The shared page file is written for whoever opens it later; the view shows the page it
    // asked for even when the write failed or another window rewrote the file meanwhile.
    files::WriteFileAtomically(m_pageFile, page);
    m_view->ShowGbkPage(page);
    if (!m_stepping) m_history.Visit({m_table, m_category, widgets::FromGbk(title)});
    UpdateHistoryButtons();
}

void ArticleWindow::StepTo(const ArticleVisit& visit) {
    m_stepping = true;
    if (visit.table != m_table || visit.category != m_category)
        ShowCategory(visit.table, visit.category);
    for (int row = 0; row < m_list->model()->rowCount(); ++row)
        if (m_list->model()->Row(row).value(0) == visit.title) {
            if (m_list->currentIndex().row() == row)
                ShowSelectedArticle();
            else
                m_list->setCurrentIndex(m_list->model()->index(row, 0));
            break;
        }
    m_stepping = false;
    UpdateHistoryButtons();
}

widgets::HistoryButtons ArticleWindow::HistoryButtons() const {
    return {m_home, m_back, m_forward};
}

void ArticleWindow::UpdateHistoryButtons() { HistoryButtons().Update(m_history); }

void ArticleWindow::PrintWithDialog() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("打印对话框"));
    if (dialog.exec() == QDialog::Accepted) m_view->Print(&m_printer);
}

void ArticleWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int width = event->size().width();
    const int height = event->size().height();
    m_toolbar->setGeometry(0, 0, width, 28);
    m_rule->setGeometry(-8, 32, width + 10, 4);
    const int pageHeight = std::max(height - kBottomRoom, 0);
    m_list->frame()->setGeometry(0, kTop, kListWidth, pageHeight);
    m_view->setGeometry(kPageLeft, kTop, std::max(width - kPageLeft - 6, 0), pageHeight);
    m_statusBar->setGeometry(0, height - 20, width, 20);
}

}  // namespace knowledge_ui
