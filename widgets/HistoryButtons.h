#pragma once

#include <QAction>

#include "widgets/PageHistory.h"

namespace widgets {

// A page window's 首页, 后退 and 前进 over its history.
struct HistoryButtons {
    QAction* home = nullptr;
    QAction* back = nullptr;
    QAction* forward = nullptr;

    // Each button steps to the page the history names; stepTo shows it without a new visit.
    template <typename Page, typename StepTo>
    void Connect(QObject* context, PageHistory<Page>& history, StepTo stepTo) const {
        QObject::connect(home, &QAction::triggered, context, [&history, stepTo] {
            if (history.CanGoHome()) stepTo(history.Home());
        });
        QObject::connect(back, &QAction::triggered, context, [&history, stepTo] {
            if (history.CanGoBack()) stepTo(history.Back());
        });
        QObject::connect(forward, &QAction::triggered, context, [&history, stepTo] {
            if (history.CanGoForward()) stepTo(history.Forward());
        });
    }
    // Enables each button only when it can act.
    template <typename Page>
    void Update(const PageHistory<Page>& history) const {
        home->setEnabled(history.CanGoHome());
        back->setEnabled(history.CanGoBack());
        forward->setEnabled(history.CanGoForward());
    }
};

}  // namespace widgets
