#include "numerology/ui/ScorePage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/FormRows.h"

namespace numerology_ui {

using widgets::Named;

ScorePage::ScorePage(QWidget* parent)
    : QWidget(parent),
      m_surname(Named(new QLineEdit, "编辑框_评分姓氏")),
      m_givenName(Named(new QLineEdit, "编辑框_评分名字")),
      m_birthDate(
          new widgets::DateSelector({"组合框_评分年份", "组合框_评分月份", "组合框_评分日子",
                                     "组合框_评分时间", "组合框_评分分钟"},
                                    QStringLiteral("出生日期"))),
      m_score(Named(new QPushButton(QStringLiteral("评分")), "按钮_评分")),
      m_list(new widgets::ResultListView("超级列表框_评分列表", widgets::NameListColumns(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())) {
    auto* row = new QHBoxLayout;
    m_surname->setFixedWidth(48);
    m_givenName->setFixedWidth(64);
    widgets::AddCaptioned(row, QStringLiteral("姓氏:"), m_surname);
    widgets::AddCaptioned(row, QStringLiteral("名字:"), m_givenName);
    row->addWidget(m_birthDate);
    row->addStretch();
    row->addWidget(m_score);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
}

}  // namespace numerology_ui
