#include "generation/ui/SuperLuckyPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

namespace {
struct GroupLayout {
    const char* masterName;
    const char* caption;
    int row;
    int half;
};
// Indexed by SuperLuckyPage::Group; the element boxes of group g are named 选择框_金g …
const GroupLayout kGroups[] = {
    {"选择框_第二个字五行限定", "第二个字五行限定", 0, 0},
    {"选择框_第三个字五行限定", "第三个字五行限定", 1, 0},
    {"选择框_所有字必带五行", "所有字必须带五行(含姓)", 0, 1},
    {"选择框_所有字不能带五行", "所有字不能带五行(含姓)", 1, 1},
};
const char* const kElements[] = {"金", "木", "水", "火", "土"};

bool InPositionGroup(int group) {
    return group == SuperLuckyPage::SecondCharacter || group == SuperLuckyPage::ThirdCharacter;
}
}  // namespace

SuperLuckyPage::SuperLuckyPage(QWidget* parent)
    : QWidget(parent),
      m_list(new widgets::ResultListView("超级列表框_超吉起名", widgets::NameListColumnsWithSense(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())),
      m_generate(Named(new QPushButton(QStringLiteral("生成")), "按钮_超吉生成")),
      m_pause(new PauseButton(GenerationMode::SuperLucky, "按钮_超吉暂停")),
      m_export(Named(new QPushButton(QStringLiteral("导出")), "按钮_超吉导出")),
      m_commonOnly(Named(new QCheckBox(QStringLiteral("只用常用字")), "选择框_超吉只用常用字")),
      m_chartElements(Named(new QPushButton(QStringLiteral("按八字选五行")), "按钮_八字五行")) {
    auto* filters = new QGroupBox(QStringLiteral("请设置五行筛选条件"));
    auto* grid = new QGridLayout(filters);
    for (int group = 0; group < GroupCount; ++group) {
        const GroupLayout& place = kGroups[group];
        const QString caption = QString::fromUtf8(place.caption);
        auto* master = Named(new QCheckBox(caption), QString::fromUtf8(place.masterName));
        m_masters[group] = master;
        grid->addWidget(master, place.row, place.half * 6);
        connect(master, &QCheckBox::clicked, this,
                [this, group] { OnMasterClicked(static_cast<Group>(group)); });
        for (int e = 0; e < 5; ++e) {
            const QString element = QString::fromUtf8(kElements[e]);
            auto* box = Named(new QCheckBox(element),
                              QStringLiteral("选择框_") + element + QString::number(group));
            box->setAccessibleName(caption + QLatin1Char(' ') + element);
            box->setEnabled(false);
            m_elements[group] << box;
            grid->addWidget(box, place.row, place.half * 6 + 1 + e);
        }
    }
    m_chartElements->setAccessibleName(QStringLiteral("按八字选五行"));
    m_chartElements->setToolTip(
        QStringLiteral("按“生辰八字”页最近的八字，让名字的两个字只取八字喜用的五行"));
    grid->addWidget(m_chartElements, 0, 12, 2, 1);
    connect(m_chartElements, &QPushButton::clicked, this, &SuperLuckyPage::chartElementsRequested);
    connect(m_generate, &QPushButton::clicked, this, &SuperLuckyPage::startRequested);
    connect(m_export, &QPushButton::clicked, this, &SuperLuckyPage::exportRequested);
    // 超“吉”筛选原理 in one line under the boxes, so the list keeps the height of the page.
    auto* principle = new QLabel(QStringLiteral(
        "超“吉”筛选原理：从整个字库中组合名字，按五格、三才和八十一数理评分，只保留接近满分的"
        "“超吉”名字；可按第二、三个字或全部字的五行筛选。"));
    principle->setWordWrap(true);
    grid->addWidget(principle, 2, 0, 1, 13);

    auto* buttons = new QHBoxLayout;
    m_commonOnly->setToolTip(
        QStringLiteral("只用《通用规范汉字表》的一级字，人人认得、写得出。"
                       "字义不宜用于人名的字（如嫂、逝、蚊）和偏向另一性别的字，本来就不会用"));
    buttons->addWidget(m_commonOnly);
    buttons->addStretch();
    buttons->addWidget(m_generate);
    buttons->addWidget(m_pause);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters);
    layout->addWidget(m_list->frame(), 1);
    layout->addLayout(buttons);
}

void SuperLuckyPage::OnMasterClicked(Group group) {
    QCheckBox* master = m_masters[group];
    const Group sibling = static_cast<Group>(group ^ 1);  // the other master of its group
    QList<QCheckBox*> others;
    for (int other = 0; other < GroupCount; ++other)
        if (InPositionGroup(other) != InPositionGroup(group)) others << m_masters[other];

    if (master->isChecked()) {
        for (QCheckBox* other : others) {
            other->setEnabled(false);
            other->setChecked(false);
        }
        for (QCheckBox* element : m_elements[group]) element->setEnabled(true);
    } else {
        if (!m_masters[sibling]->isChecked())
            for (QCheckBox* other : others) other->setEnabled(true);
        // The element boxes keep their ticks; they only stop counting while disabled.
        for (QCheckBox* element : m_elements[group]) element->setEnabled(false);
    }
}

void SuperLuckyPage::SelectGivenNameElements(const QStringList& elements) {
    for (Group group : {MustHave, MustNot}) {
        if (!m_masters[group]->isChecked()) continue;
        m_masters[group]->setChecked(false);
        OnMasterClicked(group);
    }
    for (Group group : {SecondCharacter, ThirdCharacter}) {
        m_masters[group]->setChecked(true);
        OnMasterClicked(group);
        for (QCheckBox* element : m_elements[group])
            element->setChecked(elements.contains(element->text()));
    }
}

SuperLuckyFilters SuperLuckyPage::Filters() const {
    SuperLuckyFilters filters;
    ElementFilterGroup* groups[GroupCount] = {&filters.secondCharacter, &filters.thirdCharacter,
                                              &filters.mustHave, &filters.mustNot};
    for (int group = 0; group < GroupCount; ++group) {
        groups[group]->checked = m_masters[group]->isChecked();
        for (QCheckBox* element : m_elements[group])
            if (element->isChecked()) groups[group]->elements += widgets::ToGbk(element->text());
    }
    return filters;
}

void SuperLuckyPage::SetRunState(const RunState& state) {
    const bool ownRun = state.IsActiveRunOf(GenerationMode::SuperLucky);
    m_pause->SetRunState(state);
    m_generate->setEnabled(!ownRun);
    m_export->setEnabled(!ownRun || state.IsHeld());
}

// The filters come back as the parent left them, through the boxes' own rules: a group that
// excludes another unticks it, as a click would.
void SuperLuckyPage::RestoreSettings(const SavedSettings& settings) {
    m_commonOnly->setChecked(settings.superLuckyCommonOnly);
    const QStringList groups = widgets::FromGbk(settings.superLuckyFilters).split(QLatin1Char('|'));
    for (int group = 0; group < GroupCount; ++group) {
        const QString stored = groups.value(group);
        if (stored.startsWith(QLatin1Char('1')) != m_masters[group]->isChecked()) {
            m_masters[group]->setChecked(!m_masters[group]->isChecked());
            OnMasterClicked(static_cast<Group>(group));
        }
        for (QCheckBox* element : m_elements[group])
            element->setChecked(stored.mid(1).contains(element->text()));
    }
}

void SuperLuckyPage::StoreSettings(SavedSettings& settings) const {
    settings.superLuckyCommonOnly = m_commonOnly->isChecked();
    QStringList groups;
    for (int group = 0; group < GroupCount; ++group) {
        QString stored = m_masters[group]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        for (QCheckBox* element : m_elements[group])
            if (element->isChecked()) stored += element->text();
        groups << stored;
    }
    settings.superLuckyFilters = widgets::ToGbk(groups.join(QLatin1Char('|')));
}

}  // namespace generation_ui
