#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <vector>

namespace widgets {

// The rows of a result list: text cells under fixed column captions, sortable by any column.
// Which columns hold numbers is said once, when the model is made; those sort by value, the others
// as text. Rows are appended in batches, so a run that writes 100 000 rows costs a few hundred
// model updates rather than 100 000.
class ResultListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ResultListModel(QStringList headers, QList<int> numericColumns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void Clear();
    void AppendRows(std::vector<QStringList> rows);
    void SetRows(std::vector<QStringList> rows);
    void RemoveRow(int row);
    const QStringList& Row(int row) const { return m_rows[size_t(row)]; }
    const std::vector<QStringList>& Rows() const { return m_rows; }
    // The columns that hold numbers and sort by value.
    const QList<int>& NumericColumns() const { return m_numericColumns; }
    // Every row shows this image in its first cell (the lists' image 0).
    void SetRowIcon(const QIcon& icon) { m_rowIcon = icon; }

  private:
    QStringList m_headers;
    QList<int> m_numericColumns;
    std::vector<QStringList> m_rows;
    QIcon m_rowIcon;
};

}  // namespace widgets
