#include "contracts/RtfFlow.h"

#include <QTextTable>

#include <algorithm>
#include <map>

namespace {

// A table has at most this many columns; more cells go to the last one.
constexpr int kMaxColumns = 64;
// A longer table goes on as a new table, so no one table grows without end.
constexpr size_t kMaxRows = 20000;

} // namespace

class RtfTableBuild {
public:
    struct Row {
        RtfRowDef def;
        std::vector<std::unique_ptr<RtfFlow>> cells;
    };

    std::vector<Row> rows;
    std::vector<std::unique_ptr<RtfFlow>> done; // cells of the row being read
    std::unique_ptr<RtfFlow> open;

    QTextTable* build(QTextCursor& at, const RtfTables& tables);
};

struct RtfFlow::Op {
    enum Kind { Text, Paragraph, Finish, PageBreak, Table } kind;
    QString text;
    RtfCharState ch;
    std::unique_ptr<RtfParaState> para;
    std::unique_ptr<RtfTableBuild> table;
};

RtfFlow::RtfFlow(QTextDocument& doc, const RtfTables& tables)
    : m_tables(tables), m_out(std::make_unique<RtfDocumentWriter>(doc, tables))
{
}

RtfFlow::RtfFlow(const RtfTables& tables) : m_tables(tables) {}

RtfFlow::~RtfFlow() = default;

bool RtfFlow::isEmpty() const
{
    return !m_table && (m_out ? m_out->isEmpty() : m_ops.empty());
}

RtfFlow& RtfFlow::cellFlow()
{
    if (!m_table)
        m_table = std::make_unique<RtfTableBuild>();
    if (!m_table->open)
        m_table->open = std::make_unique<RtfFlow>(m_tables);
    return *m_table->open;
}

void RtfFlow::addText(QStringView text, const RtfCharState& ch, int level)
{
    if (level > 0)
        return cellFlow().addText(text, ch, level - 1);
    if (m_table)
        closeTable();
    if (m_out)
        return m_out->addText(text, ch);
    if (text.isEmpty() || ch.hidden)
        return; // recorded as it comes; the writer splits small capitals on replay
    if (!m_ops.empty() && m_ops.back().kind == Op::Text && m_ops.back().ch == ch)
        m_ops.back().text += text;
    else
        m_ops.push_back({Op::Text, text.toString(), ch, nullptr, nullptr});
    m_paraHasContent = true;
}

void RtfFlow::endParagraph(const RtfParaState& para, const RtfCharState& ch, int level)
{
    if (level > 0)
        return cellFlow().endParagraph(para, ch, level - 1);
    if (m_table)
        closeTable();
    if (m_out)
        return m_out->endParagraph(para, ch);
    m_ops.push_back({Op::Paragraph, QString(), ch, std::make_unique<RtfParaState>(para), nullptr});
    m_paraHasContent = false;
}

void RtfFlow::breakPageBefore(int level)
{
    if (level > 0)
        return cellFlow().breakPageBefore(level - 1);
    if (m_out)
        return m_out->breakPageBefore();
    m_ops.push_back({Op::PageBreak, QString(), RtfCharState(), nullptr, nullptr});
}

bool RtfFlow::paragraphHasContent(int level)
{
    if (level > 0)
        return cellFlow().paragraphHasContent(level - 1);
    return m_out ? m_out->paragraphHasContent() : m_paraHasContent;
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
    if (m_table->open && !m_table->open->isEmpty()) {
        m_table->open->finish(RtfParaState(), RtfCharState());
        m_table->done.push_back(std::move(m_table->open));
    }
    m_table->open.reset();
    if (m_table->done.empty())
        return;
    m_table->rows.push_back({def, std::move(m_table->done)});
    m_table->done.clear();
    if (m_table->rows.size() >= kMaxRows)
        closeTable();
}

void RtfFlow::finish(const RtfParaState& para, const RtfCharState& ch)
{
    if (m_table)
        closeTable();
    if (m_out)
        return m_out->finish(para, ch);
    m_ops.push_back({Op::Finish, QString(), ch, std::make_unique<RtfParaState>(para), nullptr});
}

QTextCursor& RtfFlow::endCursor(const RtfParaState& para, const RtfCharState& ch)
{
    if (m_table)
        closeTable();
    if (m_out->paragraphHasContent())
        m_out->endParagraph(para, ch);
    m_out->flush();
    return m_out->cursor();
}

void RtfFlow::closeTable()
{
    std::unique_ptr<RtfTableBuild> t = std::move(m_table);
    // Cells left without a row end still make a row of their own.
    if (t->open && !t->open->isEmpty()) {
        t->open->finish(RtfParaState(), RtfCharState());
        t->done.push_back(std::move(t->open));
    }
    if (!t->done.empty())
        t->rows.push_back({RtfRowDef(), std::move(t->done)});
    if (t->rows.empty())
        return;
    if (!m_out) {
        m_ops.push_back({Op::Table, QString(), RtfCharState(), nullptr, std::move(t)});
        m_paraHasContent = false;
        return;
    }
    if (m_out->paragraphHasContent())
        m_out->endParagraph(RtfParaState(), RtfCharState());
    m_out->flush();
    t->build(m_out->cursor(), m_tables);
    m_out->cursor().movePosition(QTextCursor::End);
}

void RtfFlow::replay(RtfDocumentWriter& out)
{
    for (Op& op : m_ops) {
        switch (op.kind) {
        case Op::Text: out.addText(op.text, op.ch); break;
        case Op::Paragraph: out.endParagraph(*op.para, op.ch); break;
        case Op::Finish: out.finish(*op.para, op.ch); break;
        case Op::PageBreak: out.breakPageBefore(); break;
        case Op::Table: {
            out.flush();
            const QTextTable* inner = op.table->build(out.cursor(), m_tables);
            out.cursor().setPosition(inner->lastPosition() + 1); // the paragraph after it
            break;
        }
        }
    }
}

// The columns are the edges of every row's cells taken together, so a cell
// spans exactly the columns between its own edges and merged or uneven
// rows keep their values under the right headings.
QTextTable* RtfTableBuild::build(QTextCursor& at, const RtfTables& tables)
{
    struct Placed {
        int row, column, rows = 1, columns = 1;
        RtfFlow* cell;
    };
    // Each row's cell edges, made up where the definition has fewer cells.
    std::vector<std::vector<int>> edges(rows.size());
    std::vector<int> all;
    for (size_t r = 0; r < rows.size(); ++r) {
        const RtfRowDef& def = rows[r].def;
        std::vector<int>& e = edges[r];
        e.push_back(def.left);
        for (size_t c = 0; c < rows[r].cells.size() || c < def.cells.size(); ++c) {
            const int right = c < def.cells.size() ? def.cells[c].right : e.back() + 1440;
            e.push_back(std::max(right, e.back() + 1));
        }
        all.insert(all.end(), e.begin(), e.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    const int columns = std::clamp(int(all.size()) - 1, 1, kMaxColumns);
    auto columnOf = [&all, columns](int edge) {
        return std::min(int(std::lower_bound(all.begin(), all.end(), edge) - all.begin()), columns);
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
            const auto a = cd.mergesUp ? above.find(from) : above.end();
            if (a != above.end()) {
                placed[a->second].rows = int(r) - placed[a->second].row + 1;
                here[from] = a->second;
                continue;
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
    for (int c = 0; c < columns; ++c) {
        const int twips = size_t(c + 1) < all.size() ? all[size_t(c) + 1] - all[size_t(c)] : 1440;
        widths << QTextLength(QTextLength::FixedLength, twips / 15.0);
    }
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
        RtfDocumentWriter out(table->cellAt(p.row, p.column).firstCursorPosition(), tables);
        p.cell->replay(out);
    }
    return table;
}
