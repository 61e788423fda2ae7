#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace generation_ui {

// Page 10, "经典模式": the shuffled classic names as text, with generate-again and export.
class ClassicPage : public QWidget {
    Q_OBJECT
  public:
    explicit ClassicPage(QWidget* parent = nullptr);

    QPlainTextEdit* names() const { return m_names; }
    QPushButton* regenerateButton() const { return m_regenerate; }
    QPushButton* exportButton() const { return m_export; }

    // The names as the run made them (GBK, CR LF between lines) and as the box shows them.
    void SetNames(const std::string& gbkText, const QString& shown);
    // What 导出 writes: the run's own text, not the box's, whose lines end in LF.
    const std::string& namesText() const { return m_namesText; }

  signals:
    void startRequested();
    void exportRequested();

  private:
    QPlainTextEdit* m_names;
    QPushButton* m_regenerate;
    QPushButton* m_export;
    std::string m_namesText;
};

}  // namespace generation_ui
