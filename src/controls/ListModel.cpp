#include "controls/ListModel.h"

ListModel::ListModel(const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(headers), m_columns(int(headers.size()))
{
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns)
        return {};
    if (role == Qt::ToolTipRole && m_toolTipColumn >= 0) {
        const QString& tip = cell(index.row(), m_toolTipColumn);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::EditRole) {
        const QString& s = cell(index.row(), index.column());
        if (role == Qt::ToolTipRole && s.size() < 40)
            return {};
        return s;
    }
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns)
        return m_headers.at(section);
    return {};
}

void ListModel::clear()
{
    if (m_batch == 0)
        beginResetModel();
    m_cells.clear();
    m_cells.shrink_to_fit();
    m_rows = 0;
    if (m_batch == 0)
        endResetModel();
}

int ListModel::add()
{
    const int row = m_rows;
    if (m_batch == 0)
        beginInsertRows(QModelIndex(), row, row);
    m_cells.resize(m_cells.size() + size_t(m_columns));
    ++m_rows;
    if (m_batch == 0)
        endInsertRows();
    return row;
}

void ListModel::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    m_cells[size_t(row) * size_t(m_columns) + size_t(column)] = text;
    if (m_batch == 0) {
        const QModelIndex i = index(row, column);
        emit dataChanged(i, i);
    }
}

const QString& ListModel::cell(int row, int column) const
{
    static const QString empty;
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return empty;
    return m_cells[size_t(row) * size_t(m_columns) + size_t(column)];
}

void ListModel::beginBatch()
{
    if (m_batch++ == 0)
        beginResetModel();
}

void ListModel::endBatch()
{
    if (m_batch > 0 && --m_batch == 0)
        endResetModel();
}
