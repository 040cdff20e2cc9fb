#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// Rows of text cells for a list view: column 0 is the item text, column i the
// sub-item i. Cells live in one flat vector, so 200,000 rows stay compact.
class ListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListModel(const QStringList& headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    // Appends an empty row and returns its index (from 0).
    int add();
    void setCell(int row, int column, const QString& text);
    const QString& cell(int row, int column) const;

    // While a batch is open, appends send no per-row signals; closing it sends
    // one reset. Batches nest.
    void beginBatch();
    void endBatch();

    // Every cell of a row shows this column's text as its tool tip (a hidden
    // column can be read by pointing at the row); -1 for the usual tips.
    void setToolTipColumn(int column) { m_toolTipColumn = column; }

private:
    QStringList m_headers;
    int m_columns;
    std::vector<QString> m_cells;
    int m_rows = 0;
    int m_batch = 0;
    int m_toolTipColumn = -1;
};
