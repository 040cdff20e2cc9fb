#include "controls/ListView.h"

#include "controls/Twips.h"

#include <QHeaderView>
#include <QMouseEvent>

ListView::ListView(const QString& name, const std::vector<ColumnSpec>& columns, QWidget* parent) : QTreeView(parent)
{
    setObjectName(name);
    QStringList headers;
    for (const auto& c : columns)
        headers << c.header;
    m_model = new ListModel(headers, this);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // keeps 200,000 rows cheap to lay out
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int i = 0; i < int(columns.size()); ++i) {
        if (columns[size_t(i)].widthTwips == 0)
            setColumnHidden(i, true);
        else
            setColumnWidth(i, Twips::px(columns[size_t(i)].widthTwips));
    }
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit DblClick();
    });
}

void ListView::Clear()
{
    m_model->clear();
}

int ListView::Add()
{
    return m_model->add();
}

void ListView::SetSubItem(int row, int subItem, const QString& text)
{
    m_model->setCell(row, subItem, text);
}

QString ListView::SubItem(int row, int subItem) const
{
    return m_model->cell(row, subItem);
}

int ListView::Count() const
{
    return m_model->rowCount();
}

int ListView::SelectedItem() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && i.row() < m_model->rowCount() ? i.row() : -1;
}

void ListView::selectRow(int row)
{
    const QModelIndex i = m_model->index(row, 0);
    setCurrentIndex(i);
    selectionModel()->select(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListView::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QModelIndex i = indexAt(event->position().toPoint());
        if (i.isValid())
            selectRow(i.row());
    }
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    int code = 0;
    switch (event->button()) {
    case Qt::LeftButton: code = 1; break;
    case Qt::RightButton: code = 2; break;
    case Qt::MiddleButton: code = 4; break;
    default: break;
    }
    const int shift = (event->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                      (event->modifiers() & Qt::ControlModifier ? 2 : 0) |
                      (event->modifiers() & Qt::AltModifier ? 4 : 0);
    const QPointF p = event->position();
    emit MouseUp(code, shift, float(p.x() * Twips::kPerPixel), float(p.y() * Twips::kPerPixel));
}
