#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generation/GenerationInputs.h"

namespace generation_ui {

// "设置辈份": fixes the generation character that the 高分, 诗词 and 组合 names carry, in the
// second or the third position of the whole name. It edits a copy; the caller takes Setting()
// after the dialog was accepted or rejected (取消 also changes it: it switches the character off
// but keeps the texts and the position for the next opening).
class GenerationCharacterDialog : public QDialog {
    Q_OBJECT
  public:
    GenerationCharacterDialog(const GenerationCharacterSetting& setting, QWidget* parent = nullptr);

    const GenerationCharacterSetting& Setting() const { return m_setting; }

    QRadioButton* noneButton() const { return m_none; }
    QRadioButton* secondButton() const { return m_second; }
    QRadioButton* thirdButton() const { return m_third; }
    QLineEdit* secondText() const { return m_secondText; }
    QLineEdit* thirdText() const { return m_thirdText; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

  private:
    void Confirm();
    void Cancel();

    GenerationCharacterSetting m_setting;
    QRadioButton* m_none;
    QRadioButton* m_second;
    QLineEdit* m_secondText;
    QRadioButton* m_third;
    QLineEdit* m_thirdText;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace generation_ui
