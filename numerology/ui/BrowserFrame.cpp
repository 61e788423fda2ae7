#include "numerology/ui/BrowserFrame.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/PageExport.h"
#include "widgets/PageView.h"

namespace numerology_ui {

namespace {

bool AskWithPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

BrowserFrame::PrinterQuestion& PrinterQuestionInUse() {
    static BrowserFrame::PrinterQuestion question = AskWithPrintDialog;
    return question;
}

}  // namespace

void BrowserFrame::SetPrinterQuestion(PrinterQuestion question) {
    PrinterQuestionInUse() = question ? std::move(question) : AskWithPrintDialog;
}

BrowserFrame::BrowserFrame(QWidget* owner) : QMainWindow(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("姓名详细解释"));
    move(50, 50);
    resize(876, 534);

    QToolBar* tools = addToolBar(QStringLiteral("页面"));
    tools->setObjectName(QStringLiteral("工具条1"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto add = [&](const QString& caption, QStyle::StandardPixmap icon) {
        QAction* action = tools->addAction(style()->standardIcon(icon), caption);
        tools->addSeparator();
        return action;
    };
    m_home = add(QStringLiteral("首页"), QStyle::SP_DirHomeIcon);
    m_back = add(QStringLiteral("后退"), QStyle::SP_ArrowBack);
    m_forward = add(QStringLiteral("前进"), QStyle::SP_ArrowForward);
    m_export = add(QStringLiteral("导出"), QStyle::SP_DialogSaveButton);
    m_print = add(QStringLiteral("打印"), QStyle::SP_FileDialogDetailedView);
    m_exit = add(QStringLiteral("退出"), QStyle::SP_DialogCloseButton);
    // The pages are shown from memory and have no links of their own: home, back and forward
    // step through the pages this window has shown.
    HistoryButtons().Connect(this, m_history, [this](widgets::PageView* view) { StepTo(view); });
    connect(m_export, &QAction::triggered, this, [this] {
        if (widgets::PageView* view = currentView())
            widgets::PageExport::Export(*view, this, exportName());
    });
    connect(m_print, &QAction::triggered, this, &BrowserFrame::Print);
    connect(m_exit, &QAction::triggered, this, &QWidget::close);

    statusBar()->setObjectName(QStringLiteral("状态条1"));
    m_status = new QLabel;
    m_status->setAccessibleName(QStringLiteral("页面标题"));
    statusBar()->addWidget(m_status, 1);
}

QString BrowserFrame::statusText() const { return m_status->text(); }

void BrowserFrame::SetPageArea(QWidget* area) { setCentralWidget(widgets::BelowRule(area)); }

void BrowserFrame::FollowCurrentView() {
    for (const QMetaObject::Connection& connection : m_viewConnections) disconnect(connection);
    m_viewConnections.clear();
    widgets::PageView* view = currentView();
    if (!view) return;
    // Only a page the program made can be saved; the export follows the page on show.
    const auto exportable = [this, view] { m_export->setEnabled(!view->pageBytes().empty()); };
    exportable();
    m_viewConnections << connect(view, &QTextEdit::textChanged, m_export, exportable);
    m_status->setText(view->documentTitle());
    if (!m_stepping) m_history.Visit(view);
    UpdateHistoryButtons();
}

void BrowserFrame::StepTo(widgets::PageView* view) {
    m_stepping = true;
    ShowView(view);
    m_stepping = false;
    UpdateHistoryButtons();
}

widgets::HistoryButtons BrowserFrame::HistoryButtons() const { return {m_home, m_back, m_forward}; }

void BrowserFrame::UpdateHistoryButtons() { HistoryButtons().Update(m_history); }

void BrowserFrame::Print() {
    widgets::PageView* view = currentView();
    if (!view) return;
    QPrinter printer;
    if (PrinterQuestionInUse()(printer, this)) view->Print(&printer);
}

}  // namespace numerology_ui
