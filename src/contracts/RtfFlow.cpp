#include "contracts/RtfFlow.h"

#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>
#include <map>

namespace {

// Rows and columns a table may have; more of either go to the last one.
constexpr int kMaxColumns = 64;
constexpr int kMaxRows = 100000;

} // namespace

class RtfTableBuild {
public:
    struct Cell {
        QTextDocument doc;
        std::unique_ptr<RtfFlow> flow;
        Cell(const RtfTables& tables) : flow(std::make_unique<RtfFlow>(doc, tables)) {}
    };
    struct Row {
        RtfRowDef def;
        std::vector<std::unique_ptr<Cell>> cells;
    };

    std::vector<Row> rows;
    std::vector<std::unique_ptr<Cell>> done; // cells of the row being read
    std::unique_ptr<Cell> open;

    void build(QTextCursor& at);
};

RtfFlow::RtfFlow(QTextDocument& doc, const RtfTables& tables) : m_doc(doc), m_tables(tables), m_out(doc, tables) {}

RtfFlow::~RtfFlow() = default;

RtfFlow& RtfFlow::cellFlow()
{
    if (!m_table)
        m_table = std::make_unique<RtfTableBuild>();
    if (!m_table->open)
        m_table->open = std::make_unique<RtfTableBuild::Cell>(m_tables);
    return *m_table->open->flow;
}

void RtfFlow::addText(QStringView text, const RtfCharState& ch, int level)
{
    if (level > 0)
        return cellFlow().addText(text, ch, level - 1);
    if (m_table)
        closeTable();
    m_out.addText(text, ch);
}

void RtfFlow::endParagraph(const RtfParaState& para, const RtfCharState& ch, int level)
{
    if (level > 0)
        return cellFlow().endParagraph(para, ch, level - 1);
    if (m_table)
        closeTable();
    m_out.endParagraph(para, ch);
}

void RtfFlow::breakPageBefore(int level)
{
    if (level > 0)
        return cellFlow().breakPageBefore(level - 1);
    m_out.breakPageBefore();
}

bool RtfFlow::paragraphHasContent(int level)
{
    if (level > 0)
        return cellFlow().paragraphHasContent(level - 1);
    return m_out.paragraphHasContent();
}

void RtfFlow::endCell(const RtfParaState& para, const RtfCharState& ch, int level)
{
    if (level <= 0)
        return; // a cell end outside any table: nothing to end
    if (level > 1)
        return cellFlow().endCell(para, ch, level - 1);
    cellFlow().finish(para, ch);
    m_table->done.push_back(std::move(m_table->open));
}

void RtfFlow::endRow(const RtfRowDef& def, int level)
{
    if (level <= 0)
        return;
    if (level > 1)
        return cellFlow().endRow(def, level - 1);
    if (!m_table)
        return;
    if (m_table->open && !m_table->open->flow->isEmpty()) {
        m_table->open->flow->finish(RtfParaState(), RtfCharState());
        m_table->done.push_back(std::move(m_table->open));
    }
    m_table->open.reset();
    if (m_table->done.empty())
        return;
    if (m_table->rows.size() >= size_t(kMaxRows)) {
        m_table->done.clear();
        return;
    }
    m_table->rows.push_back({def, std::move(m_table->done)});
    m_table->done.clear();
}

void RtfFlow::finish(const RtfParaState& para, const RtfCharState& ch)
{
    if (m_table)
        closeTable();
    m_out.finish(para, ch);
}

QTextCursor& RtfFlow::endCursor(const RtfParaState& para, const RtfCharState& ch)
{
    if (m_table)
        closeTable();
    if (m_out.paragraphHasContent())
        m_out.endParagraph(para, ch);
    m_out.flush();
    return m_out.cursor();
}

void RtfFlow::closeTable()
{
    std::unique_ptr<RtfTableBuild> t = std::move(m_table);
    // Cells left without a row end still make a row of their own.
    if (t->open && !t->open->flow->isEmpty()) {
        t->open->flow->finish(RtfParaState(), RtfCharState());
        t->done.push_back(std::move(t->open));
    }
    if (!t->done.empty())
        t->rows.push_back({RtfRowDef(), std::move(t->done)});
    if (t->rows.empty())
        return;
    if (m_out.paragraphHasContent())
        m_out.endParagraph(RtfParaState(), RtfCharState());
    m_out.flush();
    t->build(m_out.cursor());
    m_out.cursor().movePosition(QTextCursor::End);
}

// The columns are the edges of every row's cells taken together, so a cell
// spans exactly the columns between its own edges and merged or uneven
// rows keep their values under the right headings.
void RtfTableBuild::build(QTextCursor& at)
{
    struct Placed {
        int row, column, rows = 1, columns = 1;
        Cell* cell;
    };
    // Each row's cell edges, made up where the definition has fewer cells.
    std::vector<std::vector<int>> edges(rows.size());
    std::vector<int> all;
    for (size_t r = 0; r < rows.size(); ++r) {
        const RtfRowDef& def = rows[r].def;
        std::vector<int>& e = edges[r];
        e.push_back(def.left);
        for (size_t c = 0; c < rows[r].cells.size() || c < def.cells.size(); ++c) {
            int right = c < def.cells.size() ? def.cells[c].right : e.back() + 1440;
            right = std::max(right, e.back() + 1);
            e.push_back(right);
        }
        all.insert(all.end(), e.begin(), e.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    const int columns = std::clamp(int(all.size()) - 1, 1, kMaxColumns);
    auto columnOf = [&all, columns](int edge) {
        const int i = int(std::lower_bound(all.begin(), all.end(), edge) - all.begin());
        return std::min(i, columns);
    };

    std::vector<Placed> placed;
    std::map<int, size_t> above; // column -> the cell that last started there
    for (size_t r = 0; r < rows.size(); ++r) {
        const RtfRowDef& def = rows[r].def;
        std::map<int, size_t> here;
        for (size_t c = 0; c < rows[r].cells.size(); ++c) {
            const int from = std::min(columnOf(edges[r][c]), columns - 1);
            const int to = std::max(from + 1, columnOf(edges[r][c + 1]));
            const RtfCellDef cd = c < def.cells.size() ? def.cells[c] : RtfCellDef();
            if (cd.mergesLeft && !placed.empty() && placed.back().row == int(r)) {
                placed.back().columns = to - placed.back().column;
                continue;
            }
            if (cd.mergesUp) {
                const auto a = above.find(from);
                if (a != above.end()) {
                    placed[a->second].rows = int(r) - placed[a->second].row + 1;
                    here[from] = a->second;
                    continue;
                }
            }
            placed.push_back({int(r), from, 1, to - from, rows[r].cells[c].get()});
            here[from] = placed.size() - 1;
        }
        above = std::move(here);
    }

    QTextTableFormat tf;
    tf.setBorder(1);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderCollapse(true);
    tf.setCellPadding(3);
    tf.setCellSpacing(0);
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c)
        widths << QTextLength(QTextLength::FixedLength,
                              (all.size() > size_t(c + 1) ? all[c + 1] - all[c] : 1440) / 15.0);
    tf.setColumnWidthConstraints(widths);
    if (!rows.empty() && rows[0].def.left > 0)
        tf.setLeftMargin(rows[0].def.left / 15.0);
    QTextTable* table = at.insertTable(int(rows.size()), columns, tf);
    for (const Placed& p : placed) {
        const int spanColumns = std::min(p.columns, columns - p.column);
        if (p.rows > 1 || spanColumns > 1)
            table->mergeCells(p.row, p.column, p.rows, spanColumns);
    }
    for (const Placed& p : placed) {
        if (p.cell->doc.isEmpty())
            continue;
        QTextCursor c = table->cellAt(p.row, p.column).firstCursorPosition();
        const QTextBlockFormat first = p.cell->doc.begin().blockFormat();
        c.insertFragment(QTextDocumentFragment(&p.cell->doc));
        QTextCursor(table->cellAt(p.row, p.column).firstCursorPosition()).setBlockFormat(first);
    }
}
