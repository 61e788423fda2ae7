#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "generation/GenerationInputs.h"
#include "settings/SavedSettings.h"
#include "widgets/DateSelector.h"

namespace generation_ui {

class GenerationCharacterDialog;

// Page 0, "模式选择": the baby's data (surname, sex, name length, birth date) and the choice of
// the naming mode, with the button that starts naming.
class ModeSelectionPage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit ModeSelectionPage(QWidget* parent = nullptr);

    QLineEdit* surname() const { return m_surname; }
    QComboBox* sex() const { return m_sex; }
    QComboBox* nameLength() const { return m_nameLength; }
    widgets::DateSelector* birthDate() const { return m_birthDate; }
    QLabel* generationCharacterMark() const { return m_generationCharacterMark; }
    QPushButton* startButton() const { return m_start; }
    // The radio buttons in the order of NamingModes().
    const QList<QRadioButton*>& modeButtons() const { return m_modes; }
    // Index into NamingModes() of the checked radio button.
    int ChosenMode() const;

    Sex ChosenSex() const { return m_sex->currentIndex() == 1 ? Sex::Female : Sex::Male; }
    // 2 for "二字", 1 otherwise.
    int ChosenNameLength() const { return m_nameLength->currentIndex() == 1 ? 2 : 1; }

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

    // 设置辈份 (the mark beside the name length): opens the dialog over the window without
    // blocking; the setting changes when the dialog closes, and the mark turns red while a
    // character is set.
    void OpenGenerationCharacterDialog();
    GenerationCharacterDialog* generationCharacterDialog() const;
    const GenerationCharacterSetting& generationCharacter() const { return m_generationCharacter; }
    // The state of a fresh start: no generation character, the mark in grey.
    void ResetGenerationCharacter();

  signals:
    void modeClicked(int modeIndex);
    void startRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* m_surname;
    QComboBox* m_sex;
    QComboBox* m_nameLength;
    QLabel* m_generationCharacterMark;
    widgets::DateSelector* m_birthDate;
    QList<QRadioButton*> m_modes;
    QPushButton* m_start;
    QPointer<GenerationCharacterDialog> m_dialog;
    GenerationCharacterSetting m_generationCharacter;
};

}  // namespace generation_ui
