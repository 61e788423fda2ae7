#include "generation/ui/GenerationCharacterDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

GenerationCharacterDialog::GenerationCharacterDialog(const GenerationCharacterSetting& setting,
                                                     QWidget* parent)
    : QDialog(parent),
      m_setting(setting),
      m_none(Named(new QRadioButton(QStringLiteral("不设置")), "单选框_不设置辈份")),
      m_second(Named(new QRadioButton(QStringLiteral("设置第二个字")), "单选框_设置第二个字")),
      m_secondText(Named(new QLineEdit, "编辑框_第二个字")),
      m_third(Named(new QRadioButton(QStringLiteral("设置第三个字")), "单选框_设置第三个字")),
      m_thirdText(Named(new QLineEdit, "编辑框_第三个字")),
      m_ok(Named(new QPushButton(QStringLiteral("确定")), "按钮_辈份确定")),
      m_cancel(Named(new QPushButton(QStringLiteral("取消")), "按钮_辈份取消")) {
    setWindowTitle(QStringLiteral("设置辈份"));
    setModal(true);
    resize(498, 257);
    // One character each: a longer text would make names that the score does not cover.
    for (QLineEdit* text : {m_secondText, m_thirdText}) {
        text->setMaxLength(1);
        text->setFixedWidth(48);
    }
    m_secondText->setAccessibleName(QStringLiteral("第二个字"));
    m_thirdText->setAccessibleName(QStringLiteral("第三个字"));
    m_secondText->setText(widgets::FromGbk(setting.secondText));
    m_thirdText->setText(widgets::FromGbk(setting.thirdText));

    // Each step overrides the one before, so a switched-off setting still opens on its position.
    if (!setting.active) m_none->setChecked(true);
    if (setting.fixSecond) m_second->setChecked(true);
    if (setting.fixThird) m_third->setChecked(true);
    if (!m_second->isChecked() && !m_third->isChecked()) m_none->setChecked(true);

    auto* choices = new QGridLayout;
    choices->addWidget(m_none, 0, 0);
    choices->addWidget(m_second, 1, 0);
    choices->addWidget(m_secondText, 1, 1);
    choices->addWidget(m_third, 2, 0);
    choices->addWidget(m_thirdText, 2, 1);
    choices->setColumnStretch(2, 1);
    auto* hint = new QLabel(
        QStringLiteral("高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字"));
    hint->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(hint);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &GenerationCharacterDialog::Confirm);
    connect(m_cancel, &QPushButton::clicked, this, &GenerationCharacterDialog::Cancel);
}

void GenerationCharacterDialog::Confirm() {
    const QString tip = QStringLiteral("提示");
    if (m_none->isChecked()) {
        m_setting.active = false;
        m_setting.fixSecond = false;
        m_setting.fixThird = false;
    } else if (m_second->isChecked()) {
        // An empty text is refused before anything changes, so closing the dialog then keeps
        // the setting as it was instead of fixing an empty character.
        if (m_secondText->text().isEmpty()) {
            widgets::MessageBoxes::Show(this, QStringLiteral("请输入所设定的第二个字"), tip,
                                        widgets::MessageBoxes::Icon::Warning);
            return;
        }
        m_setting.active = true;
        m_setting.fixSecond = true;
        m_setting.fixThird = false;
        m_setting.secondText = widgets::ToGbk(m_secondText->text());
    } else if (m_third->isChecked()) {
        if (m_thirdText->text().isEmpty()) {
            widgets::MessageBoxes::Show(this, QStringLiteral("请输入所设定的第三个字"), tip,
                                        widgets::MessageBoxes::Icon::Warning);
            return;
        }
        m_setting.active = true;
        m_setting.fixSecond = false;
        m_setting.fixThird = true;
        m_setting.thirdText = widgets::ToGbk(m_thirdText->text());
    }
    accept();
}

void GenerationCharacterDialog::Cancel() {
    m_none->setChecked(true);
    m_setting.active = false;
    reject();
}

}  // namespace generation_ui
