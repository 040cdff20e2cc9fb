#include "catalogue/ActListRebuild.h"

#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

ActListRebuild::ActListRebuild(AppContext& ctx)
    : list(*ctx.ui.List1), scratch(*ctx.ui.List2), m_ctx(ctx), m_listBatch(list), m_scratchBatch(scratch)
{
    list.Clear();
    scratch.Clear();
    ctx.state.AllActsListed = false;
}

int ActListRebuild::appendAct(const QString& actId)
{
    m_ctx.db.RunSql(QStringLiteral("Select ID, Titlu, TipAct from Acte where ID = ") + SqlLiteral::id(actId) +
                        QStringLiteral(" "),
                    true);
    const Recordset& rs = m_ctx.db.CurrentRs();
    return rs.Eof() ? -1 : appendActRow(list, rs);
}

int ActListRebuild::appendActRow(ListView& list, const Recordset& rs)
{
    // Field names match without regard to case; folded already, they cost no
    // conversion per row.
    static const QString id = QStringLiteral("id"), title = QStringLiteral("titlu"), type = QStringLiteral("tipact");
    const int row = list.Add();
    list.SetSubItem(row, ActColumn::Id, rs.Text(id));
    list.SetSubItem(row, ActColumn::Title, rs.Text(title));
    list.SetSubItem(row, ActColumn::Type, rs.Text(type));
    return row;
}
