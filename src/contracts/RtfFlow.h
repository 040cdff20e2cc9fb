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

// A text written into one document, with the tables open inside it. Text at
// table level 0 goes to the document itself; deeper text goes to the cell
// being filled, which is a flow of its own, so tables nest to any level.
// A table is built into the document whole when text at this flow's own
// level follows it, or when the flow is finished.
class RtfFlow {
public:
    RtfFlow(QTextDocument& doc, const RtfTables& tables);
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
    bool isEmpty() const { return !m_table && m_out.isEmpty(); }
    // Ends the current paragraph when it has anything, then writes what is
    // gathered; the cursor stands at the document's end.
    QTextCursor& endCursor(const RtfParaState& para, const RtfCharState& ch);

private:
    RtfFlow& cellFlow(); // the cell being filled in the open table
    void closeTable();

    QTextDocument& m_doc;
    const RtfTables& m_tables;
    RtfDocumentWriter m_out;
    std::unique_ptr<RtfTableBuild> m_table;
};
