#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "generation/GenerationInputs.h"
#include "generation/ui/RunState.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 4, "起小名": the pet-name pattern, the button and the names.
class NicknamePage : public QWidget {
    Q_OBJECT
  public:
    explicit NicknamePage(QWidget* parent = nullptr);

    QRadioButton* doubled() const { return m_doubled; }
    QRadioButton* xiaoPrefix() const { return m_xiaoPrefix; }
    QRadioButton* erSuffix() const { return m_erSuffix; }
    QRadioButton* aPrefix() const { return m_aPrefix; }
    QPushButton* generateButton() const { return m_generate; }
    widgets::ResultListView* list() const { return m_list; }

    NicknamePatterns Patterns() const;
    // 点击生成 rests while a 起小名 run builds and scores its names.
    void SetRunState(const RunState& state);

  signals:
    void startRequested();

  private:
    QRadioButton* m_doubled;
    QRadioButton* m_xiaoPrefix;
    QRadioButton* m_erSuffix;
    QRadioButton* m_aPrefix;
    QPushButton* m_generate;
    widgets::ResultListView* m_list;
};

}  // namespace generation_ui
