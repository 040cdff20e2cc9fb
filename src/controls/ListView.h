#pragma once

#include "controls/ListModel.h"

#include <QTreeView>
#include <vector>

struct ColumnSpec {
    QString header;
    int widthTwips; // 0 hides the column
};

// A report-mode list view: rows selected whole, hidden zero-width columns,
// rows addressed from 0, sub-items from 1 as the handlers number them.
class ListView : public QTreeView {
    Q_OBJECT
public:
    ListView(const QString& name, const std::vector<ColumnSpec>& columns, QWidget* parent);

    void Clear();
    int Add();
    void SetSubItem(int row, int subItem, const QString& text);
    QString SubItem(int row, int subItem) const;
    int Count() const;
    // The row of the current index, or -1 when there is none.
    int SelectedItem() const;
    void selectRow(int row);

    ListModel* listModel() const { return m_model; }

signals:
    void DblClick();
    // Button code 1 left, 2 right, 4 middle; place in twips inside the list.
    void MouseUp(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ListModel* m_model;
};

// Appends many rows with one model reset instead of a signal per row.
class ListFill {
public:
    explicit ListFill(ListView& view) : m_model(*view.listModel()) { m_model.beginBatch(); }
    ~ListFill() { m_model.endBatch(); }
    ListFill(const ListFill&) = delete;
    ListFill& operator=(const ListFill&) = delete;

private:
    ListModel& m_model;
};
