#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace generation_ui {

// "请稍等": the small modeless window a naming run shows while it prepares its names. The bar
// runs as a busy indicator until the run knows how far it has come; then it shows progress.
class WaitingWindow : public QDialog {
    Q_OBJECT
  public:
    explicit WaitingWindow(QWidget* owner);

    QLabel* text() const { return m_text; }
    QProgressBar* progress() const { return m_progress; }
    // done of total steps; total 0 returns to the busy indicator.
    void ShowProgress(int done, int total);

  private:
    QLabel* m_text;
    QProgressBar* m_progress;
};

}  // namespace generation_ui
