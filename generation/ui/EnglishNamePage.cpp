#include "generation/ui/EnglishNamePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::AddCaptioned;
using widgets::Named;

EnglishNamePage::EnglishNamePage(QWidget* parent)
    : QWidget(parent),
      m_surname(Named(new QLineEdit, "编辑框_英文姓氏")),
      m_givenName(Named(new QLineEdit, "编辑框_英文名字")),
      m_masculine(Named(new QRadioButton(QStringLiteral("男性化")), "单选框_男性化")),
      m_feminine(Named(new QRadioButton(QStringLiteral("女性化")), "单选框_女性化")),
      m_neutral(Named(new QRadioButton(QStringLiteral("中性化")), "单选框_中性化")),
      m_shortest(Named(new QComboBox, "组合框_日子1")),
      m_longest(Named(new QComboBox, "组合框_时间1")),
      m_generate(Named(new QPushButton(QStringLiteral("生成")), "按钮_英文起名")),
      m_list(new widgets::ResultListView("超级列表框_英文列表",
                                         {QStringLiteral("编号"), QStringLiteral("英文名"),
                                          QStringLiteral("中文读音"), QStringLiteral("相关含义")},
                                         {0},
                                         QStringLiteral("姓名列表(双击英文名字可以自动朗读)"))) {
    auto* row = new QHBoxLayout;
    m_surname->setFixedWidth(48);
    m_givenName->setFixedWidth(64);
    AddCaptioned(row, QStringLiteral("中文姓:"), m_surname);
    AddCaptioned(row, QStringLiteral("中文名:"), m_givenName);
    m_masculine->setChecked(true);
    for (QRadioButton* style : {m_masculine, m_feminine, m_neutral}) row->addWidget(style);
    QStringList lengths;
    for (int n = 3; n <= 20; ++n) lengths << QString::number(n);
    for (QComboBox* box : {m_shortest, m_longest}) box->addItems(lengths);
    m_longest->setCurrentIndex(m_longest->count() - 1);  // 3 to 20: every name
    AddCaptioned(row, QStringLiteral("名字长度:"), m_shortest);
    m_shortest->setAccessibleName(QStringLiteral("名字最短长度"));
    row->addWidget(new QLabel(QStringLiteral("-")));
    row->addWidget(m_longest);
    m_longest->setAccessibleName(QStringLiteral("名字最长长度"));
    row->addStretch();
    row->addWidget(m_generate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
}

int EnglishNamePage::ChosenStyle() const {
    if (m_masculine->isChecked()) return 1;
    if (m_feminine->isChecked()) return 2;
    if (m_neutral->isChecked()) return 3;
    return 0;
}

void EnglishNamePage::RestoreSettings(const SavedSettings& settings) {
    m_givenName->setText(widgets::FromGbk(settings.englishGivenName));
}

void EnglishNamePage::StoreSettings(SavedSettings& settings) const {
    settings.englishGivenName = widgets::ToGbk(m_givenName->text());
}

}  // namespace generation_ui
