#include "generation/ui/WaitingWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace generation_ui {

WaitingWindow::WaitingWindow(QWidget* owner)
    : QDialog(owner),
      m_text(new QLabel(QStringLiteral("正在生成,请稍等一下......"))),
      m_progress(new QProgressBar) {
    setObjectName(QStringLiteral("等待窗口"));
    setWindowTitle(QStringLiteral("请稍等"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setRange(0, 0);
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(144, 17);
    m_progress->setAccessibleName(QStringLiteral("生成进度"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_text);
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    setFixedSize(380, 64);
}

void WaitingWindow::ShowProgress(int done, int total) {
    // Past the part whose length the run knows, the rest (forming and scoring the names up to
    // the first row) has no known end: the bar goes back to moving to and fro instead of
    // standing at 100 %.
    if (total <= 0 || done >= total) {
        m_progress->setRange(0, 0);
        m_progress->setTextVisible(false);
        return;
    }
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->setTextVisible(true);
}

}  // namespace generation_ui
