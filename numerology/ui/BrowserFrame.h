#pragma once

#include <QMainWindow>
#include <functional>

#include "widgets/HistoryButtons.h"

class QAction;
class QLabel;
class QPrinter;
namespace widgets {
class PageView;
}

namespace numerology_ui {

// The frame the program's page windows share: a tool bar 首页 后退 前进 导出 打印 退出, a thin rule
// under it, the page area and a status bar that names the page on show. The window is placed at
// (50, 50), 876 × 534, and destroys itself when closed.
class BrowserFrame : public QMainWindow {
    Q_OBJECT
  public:
    // Asks where to print and returns false when the user cancels. The frame asks with the print
    // dialog; tests answer with a printer of their own.
    using PrinterQuestion = std::function<bool(QPrinter& printer, QWidget* parent)>;
    static void SetPrinterQuestion(PrinterQuestion question);

    // The page the tool bar works on.
    virtual widgets::PageView* currentView() const = 0;
    // The name 导出 suggests for the file, without ".html"; by default the page's title.
    virtual QString exportName() const { return QString(); }

    QAction* homeAction() const { return m_home; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }
    QAction* exportAction() const { return m_export; }
    QAction* printAction() const { return m_print; }
    QAction* exitAction() const { return m_exit; }
    // What the status bar says: the title of the page on show.
    QString statusText() const;

  protected:
    explicit BrowserFrame(QWidget* owner);
    // Places the page area between the rule and the status bar.
    void SetPageArea(QWidget* area);
    // Call when another page comes on show: the status bar and the history buttons follow it,
    // and the page joins the window's history.
    void FollowCurrentView();
    // Brings a page of the history back on show (the detail window selects its tab); windows of a
    // single page never need to.
    virtual void ShowView(widgets::PageView* view) { (void)view; }

  private:
    void Print();
    void StepTo(widgets::PageView* view);
    void UpdateHistoryButtons();
    widgets::HistoryButtons HistoryButtons() const;

    QAction* m_home;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_export;
    QAction* m_print;
    QAction* m_exit;
    QLabel* m_status;
    QList<QMetaObject::Connection> m_viewConnections;
    widgets::PageHistory<widgets::PageView*> m_history;
    bool m_stepping = false;  // showing a page of the history, which is no new visit
};

}  // namespace numerology_ui
