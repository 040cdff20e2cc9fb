#pragma once

#include "contracts/RtfDocumentWriter.h"

#include <QTextDocument>

#include <memory>
#include <vector>

// One cell of a table row definition: its right edge in twips and how it
// merges with its neighbours.
struct RtfCellDef {
    int right = 0;
    bool mergesLeft = false; // \clmrg: continues the cell before it
    bool mergesUp = false;   // \clvmrg: continues the cell above it
};

struct RtfRowDef {
    int left = 0;
    std::vector<RtfCellDef> cells;
};

class RtfTableBuild;

// A text with the tables open inside it. Text at table level 0 belongs to
// the flow itself; deeper text goes to the cell being filled, which is a
// flow of its own, so tables nest to any level. A table is built whole when
// text at the flow's own level follows it, or when the flow is finished,
// because only then are all its rows, and so all its columns, known.
//
// The outermost flow writes into a document as it reads; a cell's flow
// records its text and replays it into the cell when the table is built,
// which keeps a cell as cheap as its text.
class RtfFlow {
public:
    // Writes into `doc`.
    RtfFlow(QTextDocument& doc, const RtfTables& tables);
    // Records, for a table cell.
    explicit RtfFlow(const RtfTables& tables);
    ~RtfFlow();
    RtfFlow(const RtfFlow&) = delete;
    RtfFlow& operator=(const RtfFlow&) = delete;

    void addText(QStringView text, const RtfCharState& ch, int level);
    void endParagraph(const RtfParaState& para, const RtfCharState& ch, int level);
    void breakPageBefore(int level);
    bool paragraphHasContent(int level);
    // \cell (level 1) or \nestcell (level 2 and deeper) ends the cell being filled.
    void endCell(const RtfParaState& para, const RtfCharState& ch, int level);
    // \row or \nestrow: the cells ended since the last row form a row.
    void endRow(const RtfRowDef& def, int level);
    void finish(const RtfParaState& para, const RtfCharState& ch);
    bool isEmpty() const;
    // Ends the current paragraph when it has anything and writes what is
    // gathered; the cursor stands at the document's end. Writing flows only.
    QTextCursor& endCursor(const RtfParaState& para, const RtfCharState& ch);

    // Writes a recorded flow through `out`, which stands in an empty cell.
    void replay(RtfDocumentWriter& out);

private:
    struct Op;

    RtfFlow& cellFlow(); // the cell being filled in the open table
    void closeTable();

    const RtfTables& m_tables;
    std::unique_ptr<RtfDocumentWriter> m_out; // null when recording
    std::vector<Op> m_ops;
    bool m_paraHasContent = false; // when recording
    std::unique_ptr<RtfTableBuild> m_table;
};
