#include "generation/ui/NicknamePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/FormRows.h"

namespace generation_ui {

using widgets::Named;

NicknamePage::NicknamePage(QWidget* parent)
    : QWidget(parent),
      m_doubled(Named(new QRadioButton(QStringLiteral("AA型")), "单选框_AA型")),
      m_xiaoPrefix(Named(new QRadioButton(QStringLiteral("小A型")), "单选框_小A型")),
      m_erSuffix(Named(new QRadioButton(QStringLiteral("A儿型")), "单选框_A儿型")),
      m_aPrefix(Named(new QRadioButton(QStringLiteral("阿A型")), "单选框_阿A型")),
      m_generate(Named(new QPushButton(QStringLiteral("点击生成")), "按钮_起小名")),
      m_list(new widgets::ResultListView("超级列表框_小名列表", widgets::NameListColumnsWithSense(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())) {
    m_doubled->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("小名样式:")));
    for (QRadioButton* pattern : {m_doubled, m_xiaoPrefix, m_erSuffix, m_aPrefix}) {
        pattern->setAccessibleName(QStringLiteral("小名样式 ") + pattern->text());
        row->addWidget(pattern);
    }
    row->addStretch();
    row->addWidget(m_generate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
    connect(m_generate, &QPushButton::clicked, this, &NicknamePage::startRequested);
}

void NicknamePage::SetRunState(const RunState& state) {
    m_generate->setEnabled(!state.IsActiveRunOf(GenerationMode::Nickname));
}

NicknamePatterns NicknamePage::Patterns() const {
    NicknamePatterns patterns;
    patterns.doubled = m_doubled->isChecked();
    patterns.xiaoPrefix = m_xiaoPrefix->isChecked();
    patterns.erSuffix = m_erSuffix->isChecked();
    patterns.aPrefix = m_aPrefix->isChecked();
    return patterns;
}

}  // namespace generation_ui
