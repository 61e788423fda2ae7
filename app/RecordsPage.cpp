#include "app/RecordsPage.h"

#include <QVBoxLayout>

RecordsPage::RecordsPage(QWidget* parent)
    : QWidget(parent),
      m_list(new widgets::ResultListView(
          "超级列表框_记录列表", widgets::NameListColumns(), widgets::NameListNumericColumns(),
          QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)"))) {
    (new QVBoxLayout(this))->addWidget(m_list->frame());
}
