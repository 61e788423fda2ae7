#include "app/RecordsPage.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/GbkRows.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A row as the list shows it: its number, then the record's seven columns.
QStringList NumberedRow(int number, const QStringList& record) {
    QStringList row{QString::number(number)};
    for (int column = 0; column < 7; ++column)
        row << (column < record.size() ? record[column] : QString());
    return row;
}

}  // namespace

RecordsPage::RecordsPage(QWidget* parent)
    : QWidget(parent),
      m_list(new widgets::ResultListView(
          "超级列表框_记录列表", widgets::NameListColumns(), widgets::NameListNumericColumns(),
          QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)"))),
      m_menu(new QMenu(QStringLiteral("记录列表菜单"), this)),
      m_delete(m_menu->addAction(QStringLiteral("删除记录"))) {
    (new QVBoxLayout(this))->addWidget(m_list->frame());
    m_list->model()->SetRowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_menu->setObjectName(QStringLiteral("记录列表菜单"));
    m_delete->setObjectName(QStringLiteral("删除记录"));

    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        // The menu deletes the record under the mouse; below the rows there is none to delete.
        const QModelIndex under = m_list->indexAt(position);
        if (!under.isValid()) return;
        m_list->selectRow(under.row());
        m_menu->popup(m_list->viewport()->mapToGlobal(position));
    });
    connect(m_delete, &QAction::triggered, this, &RecordsPage::DeleteSelectedRecord);
    connect(m_list, &widgets::ResultListView::rowActivated, this, &RecordsPage::OpenRecord);
}

bool RecordsPage::AddRecord(const QString& surname, const QString& givenName,
                            const QStringList& sourceRow) {
    const QString name = surname + kLineBreak + givenName;
    widgets::ResultListModel* model = m_list->model();
    for (const QStringList& row : model->Rows())
        if (row.value(1) == name) return false;
    QStringList record{name};
    for (int column = 2; column < 8; ++column) record << sourceRow.value(column);
    model->AppendRows({NumberedRow(model->rowCount() + 1, record)});
    emit recordsChanged();
    return true;
}

void RecordsPage::DeleteSelectedRecord() {
    const int selected = m_list->SelectedRow();
    if (selected < 0 || m_list->model()->Row(selected).value(1).isEmpty()) return;
    std::vector<QStringList> records = Records();
    records.erase(records.begin() + selected);
    SetRecords(records);
    emit recordsChanged();
}

std::vector<QStringList> RecordsPage::Records() const {
    std::vector<QStringList> records;
    for (const QStringList& row : m_list->model()->Rows()) records.push_back(row.mid(1, 7));
    return records;
}

void RecordsPage::SetRecords(const std::vector<QStringList>& records) {
    std::vector<QStringList> rows;
    rows.reserve(records.size());
    for (const QStringList& record : records)
        rows.push_back(NumberedRow(int(rows.size()) + 1, record));
    m_list->model()->SetRows(std::move(rows));
}

void RecordsPage::OpenRecord(int row) {
    const QString name = m_list->model()->Row(row).value(1);
    if (name.isEmpty()) return;
    const qsizetype lineBreak = name.indexOf(kLineBreak);
    const QString surname = lineBreak < 0 ? name : name.left(lineBreak);
    const QString givenName = lineBreak < 0 ? QString() : name.mid(lineBreak + 2);
    emit detailRequested(surname, givenName, name);
}

void RecordsPage::RestoreSettings(const SavedSettings& settings) {
    SetRecords(widgets::FromGbkRows(settings.records));
}

void RecordsPage::StoreSettings(SavedSettings& settings) const {
    settings.records = widgets::ToGbkRows<NamingRecord>(Records());
}
