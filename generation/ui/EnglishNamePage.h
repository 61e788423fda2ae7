#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "settings/SavedSettings.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 5, "起英文名": the Chinese name the English one should sound like, the style, the name
// length range, the button and the English names.
class EnglishNamePage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit EnglishNamePage(QWidget* parent = nullptr);

    QLineEdit* surname() const { return m_surname; }
    QLineEdit* givenName() const { return m_givenName; }
    QRadioButton* masculine() const { return m_masculine; }
    QRadioButton* feminine() const { return m_feminine; }
    QRadioButton* neutral() const { return m_neutral; }
    QComboBox* shortest() const { return m_shortest; }
    QComboBox* longest() const { return m_longest; }
    QPushButton* generateButton() const { return m_generate; }
    widgets::ResultListView* list() const { return m_list; }

    // 1 男性化, 2 女性化, 3 中性化.
    int ChosenStyle() const;

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  private:
    QLineEdit* m_surname;
    QLineEdit* m_givenName;
    QRadioButton* m_masculine;
    QRadioButton* m_feminine;
    QRadioButton* m_neutral;
    QComboBox* m_shortest;
    QComboBox* m_longest;
    QPushButton* m_generate;
    widgets::ResultListView* m_list;
};

}  // namespace generation_ui
