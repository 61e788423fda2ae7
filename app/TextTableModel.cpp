#include "app/TextTableModel.h"

#include <algorithm>

TextTableModel::TextTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)) {}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const QStringList& row = m_rows[size_t(index.row())];
    return index.column() < row.size() ? row[index.column()] : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_headers.size())
        return {};
    return m_headers[section];
}

void TextTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= m_headers.size()) return;
    // Numbers (编号, 评分) sort by value, other cells as text; equal keys keep their order.
    auto key = [column](const QStringList& row) {
        return column < row.size() ? row[column] : QString();
    };
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const QStringList& a, const QStringList& b) {
        QString left = key(a), right = key(b);
        bool leftIsNumber = false, rightIsNumber = false;
        double leftValue = left.toDouble(&leftIsNumber),
               rightValue = right.toDouble(&rightIsNumber);
        bool less = (leftIsNumber && rightIsNumber) ? leftValue < rightValue
                                                    : QString::localeAwareCompare(left, right) < 0;
        bool greater = (leftIsNumber && rightIsNumber)
                           ? rightValue < leftValue
                           : QString::localeAwareCompare(right, left) < 0;
        return order == Qt::AscendingOrder ? less : greater;
    });
    emit layoutChanged();
}

void TextTableModel::Clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void TextTableModel::AppendRows(const std::vector<QStringList>& rows) {
    if (rows.empty()) return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

void TextTableModel::SetRows(std::vector<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}
