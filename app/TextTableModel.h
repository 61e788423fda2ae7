#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// The rows of a report list: text cells under fixed column captions, sortable by any column.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TextTableModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void Clear();
    void AppendRows(const std::vector<QStringList>& rows);
    void SetRows(std::vector<QStringList> rows);
    const QStringList& Row(int row) const { return m_rows[size_t(row)]; }

  private:
    QStringList m_headers;
    std::vector<QStringList> m_rows;
};
