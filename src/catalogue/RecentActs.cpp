#include "catalogue/RecentActs.h"

#include "catalogue/ActListRebuild.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/modDB.h"

void RecentActs::LoadRecentActs()
{
    ActListRebuild rebuild(m_ctx);
    ListView& scratch = rebuild.scratch;

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
            scratch.SetSubItem(row, ScratchColumn::ActId, rs.Text(QStringLiteral("id_acte")));
            rs.MoveNext();
        }
    }

    const int count = scratch.Count();
    for (int i = 0; i < count; ++i)
        rebuild.appendAct(scratch.SubItem(i, ScratchColumn::ActId)); // an act no longer in the catalogue is left out
}
