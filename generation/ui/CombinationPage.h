#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "settings/SavedSettings.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 3, "组合起名": the characters to combine, the button and the names made from them.
class CombinationPage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit CombinationPage(QWidget* parent = nullptr);

    QLineEdit* characters() const { return m_characters; }
    QPushButton* generateButton() const { return m_generate; }
    widgets::ResultListView* list() const { return m_list; }

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  private:
    QLineEdit* m_characters;
    QPushButton* m_generate;
    widgets::ResultListView* m_list;
};

}  // namespace generation_ui
