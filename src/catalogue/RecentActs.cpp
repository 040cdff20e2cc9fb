#include "catalogue/RecentActs.h"

#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "ui/AppContext.h"

void RecentActs::LoadRecentActs()
{
    Controls& u = m_ctx.ui;
    ListView& list = *u.List1;
    ListView& scratch = *u.List2;
    // One reset per list for the whole rebuild; the batches also close when a
    // store failure unwinds, leaving the rows listed so far.
    ListFill listBatch(list);
    ListFill scratchBatch(scratch);
    list.Clear();
    scratch.Clear();
    m_ctx.state.AllActsListed = false;

    int taken = 0;
    // The history only grows; asking for the ten rows taken keeps the rest of
    // it from being read (the store reads out an unfinished result before
    // the next query), so the listing costs the same after years of use.
    m_ctx.db.RunSql(QStringLiteral("Select id_acte from ultimele_legi order by id desc limit %1").arg(kLimit), true);
    {
        Recordset& rs = m_ctx.db.CurrentRs();
        while (!rs.Eof() && taken != kLimit) {
            ++taken;
            const int row = scratch.Add();
            scratch.SetSubItem(row, 3, rs.Text(QStringLiteral("id_acte")));
            rs.MoveNext();
        }
    }

    const int count = scratch.Count();
    // Field names match without regard to case; folded already, they cost no
    // conversion per row.
    const QString id = QStringLiteral("id"), title = QStringLiteral("titlu"), type = QStringLiteral("tipact");
    for (int i = 0; i < count; ++i) {
        m_ctx.db.RunSql(QStringLiteral("Select ID, Titlu, TipAct from Acte where ID = ")
                            + SqlLiteral::id(scratch.SubItem(i, 3)) + QStringLiteral(" "),
                        true);
        Recordset& rs = m_ctx.db.CurrentRs();
        if (rs.Eof())
            continue; // an act no longer in the catalogue is left out
        const int row = list.Add();
        list.SetSubItem(row, 3, rs.Text(id));
        list.SetSubItem(row, 1, rs.Text(title));
        list.SetSubItem(row, 2, rs.Text(type));
    }
}
