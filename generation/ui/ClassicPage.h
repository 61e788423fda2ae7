#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace generation_ui {

// Page 10, "经典模式": the shuffled classic names as text, with generate-again and export.
class ClassicPage : public QWidget {
    Q_OBJECT
  public:
    explicit ClassicPage(QWidget* parent = nullptr);

    QPlainTextEdit* names() const { return m_names; }
    QPushButton* regenerateButton() const { return m_regenerate; }
    QPushButton* exportButton() const { return m_export; }

  private:
    QPlainTextEdit* m_names;
    QPushButton* m_regenerate;
    QPushButton* m_export;
};

}  // namespace generation_ui
