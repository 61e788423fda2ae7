#include "widgets/ResultListView.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace widgets {

ResultListView::ResultListView(const QString& objectName, const QStringList& headers,
                               QList<int> numericColumns, const QString& hint, QWidget* parent)
    : QTableView(parent),
      m_model(new ResultListModel(headers, std::move(numericColumns), this)),
      m_frame(new QGroupBox(hint)) {
    setObjectName(objectName);
    setAccessibleName(hint);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    // Sorting starts only when the user clicks a header; the rows arrive in the run's order.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    // Numbers need less room than texts: the last column (a name's 寓意) gets what they spare.
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("繁体笔划")) + 20;
    for (int column : m_model->NumericColumns())
        if (column + 1 < m_model->columnCount())
            horizontalHeader()->resizeSection(column, numberWidth);
    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(this);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit rowActivated(index.row());
    });
}

int ResultListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

const QStringList& NameListColumns() {
    static const QStringList columns = {QStringLiteral("编号"),     QStringLiteral("姓名"),
                                        QStringLiteral("简体笔划"), QStringLiteral("繁体笔划"),
                                        QStringLiteral("五行"),     QStringLiteral("五格"),
                                        QStringLiteral("三才"),     QStringLiteral("评分")};
    return columns;
}

const QStringList& NameListColumnsWithSense() {
    static const QStringList columns = NameListColumns() + QStringList{QStringLiteral("寓意")};
    return columns;
}

const QList<int>& NameListNumericColumns() {
    static const QList<int> columns = {0, 2, 3, 7};
    return columns;
}

const QString& NameListHint() {
    static const QString hint = QStringLiteral("姓名列表(双击姓名可查看详细解释)");
    return hint;
}

}  // namespace widgets
