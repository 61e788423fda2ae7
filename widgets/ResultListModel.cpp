#include "widgets/ResultListModel.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace widgets {

ResultListModel::ResultListModel(QStringList headers, QList<int> numericColumns, QObject* parent)
    : QAbstractTableModel(parent),
      m_headers(std::move(headers)),
      m_numericColumns(std::move(numericColumns)) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= m_rows.size()) return {};
    if (role == Qt::DecorationRole && index.column() == 0 && !m_rowIcon.isNull()) return m_rowIcon;
    // The tip shows a cell whole where the column is too narrow for it (a long 寓意).
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    const QStringList& row = m_rows[size_t(index.row())];
    if (index.column() >= row.size()) return QString();
    // A saved or scored name keeps its surname and given name on two lines (李 CR LF 月光); a
    // one-line cell would show only the surname, so the cell reads the name on one line.
    QString cell = row[index.column()];
    return cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'))
               ? cell.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'))
               : cell;
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= m_headers.size())
        return {};
    return m_headers[section];
}

void ResultListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= m_headers.size()) return;
    // Keys are taken once per row, then the row order is sorted: 100 000 rows would otherwise
    // parse or collate their cells millions of times. Equal keys keep their order.
    std::vector<size_t> rowOrder(m_rows.size());
    std::iota(rowOrder.begin(), rowOrder.end(), 0);
    auto cell = [&](size_t row) {
        const QStringList& cells = m_rows[row];
        return column < cells.size() ? cells[column] : QString();
    };
    const bool ascending = order == Qt::AscendingOrder;
    if (m_numericColumns.contains(column)) {
        std::vector<double> keys(m_rows.size());
        for (size_t row = 0; row < m_rows.size(); ++row) keys[row] = cell(row).toDouble();
        std::stable_sort(rowOrder.begin(), rowOrder.end(), [&](size_t a, size_t b) {
            return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
        });
    } else {
        // Chinese names sort by their pinyin, as a parent looks them up.
        QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        std::vector<QCollatorSortKey> keys;
        keys.reserve(m_rows.size());
        for (size_t row = 0; row < m_rows.size(); ++row)
            keys.push_back(collator.sortKey(cell(row)));
        std::stable_sort(rowOrder.begin(), rowOrder.end(), [&](size_t a, size_t b) {
            return ascending ? keys[a].compare(keys[b]) < 0 : keys[b].compare(keys[a]) < 0;
        });
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> newPosition(m_rows.size());
    std::vector<QStringList> sorted;
    sorted.reserve(m_rows.size());
    for (size_t position = 0; position < rowOrder.size(); ++position) {
        newPosition[rowOrder[position]] = int(position);
        sorted.push_back(std::move(m_rows[rowOrder[position]]));
    }
    m_rows = std::move(sorted);
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after << this->index(newPosition[size_t(index.row())], index.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultListModel::Clear() {
    if (m_rows.empty()) return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ResultListModel::AppendRows(std::vector<QStringList> rows) {
    if (rows.empty()) return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ResultListModel::SetRows(std::vector<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultListModel::RemoveRow(int row) {
    if (row < 0 || size_t(row) >= m_rows.size()) return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

}  // namespace widgets
