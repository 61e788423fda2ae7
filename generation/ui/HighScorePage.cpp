#include "generation/ui/HighScorePage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

HighScorePage::HighScorePage(QWidget* parent)
    : QWidget(parent),
      m_list(new widgets::ResultListView("超级列表框_高分起名", widgets::NameListColumnsWithSense(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())),
      m_pause(new PauseButton(GenerationMode::HighScore, "按钮_高分暂停")),
      m_regenerate(Named(new QPushButton(QStringLiteral("不满意?再生成一次")), "按钮_再生成一次")),
      m_export(Named(new QPushButton(QStringLiteral("导出列表")), "按钮_高分导出")),
      m_commonOnly(Named(new QCheckBox(QStringLiteral("只用常用字")), "选择框_只用常用字")) {
    auto* buttons = new QHBoxLayout;
    m_commonOnly->setToolTip(
        QStringLiteral("只用《通用规范汉字表》的一级字，人人认得、写得出。"
                       "字义不宜用于人名的字（如嫂、逝、蚊）和偏向另一性别的字，本来就不会用"));
    buttons->addWidget(m_commonOnly);
    buttons->addStretch();
    buttons->addWidget(m_pause);
    buttons->addWidget(m_regenerate);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list->frame(), 1);
    layout->addLayout(buttons);
    connect(m_regenerate, &QPushButton::clicked, this, &HighScorePage::startRequested);
    connect(m_export, &QPushButton::clicked, this, &HighScorePage::exportRequested);
}

void HighScorePage::SetRunState(const RunState& state) {
    const bool ownRun = state.IsActiveRunOf(GenerationMode::HighScore);
    m_pause->SetRunState(state);
    m_regenerate->setEnabled(!ownRun);
    m_export->setEnabled(!ownRun || state.IsHeld());
}

void HighScorePage::RestoreSettings(const SavedSettings& settings) {
    m_commonOnly->setChecked(settings.highScoreCommonOnly);
}

void HighScorePage::StoreSettings(SavedSettings& settings) const {
    settings.highScoreCommonOnly = m_commonOnly->isChecked();
}

}  // namespace generation_ui
