#include "catalogue/CatalogueLists.h"

#include "catalogue/ActListRebuild.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/modDB.h"

namespace CatalogueLists {

void fillAllActs(AppContext& ctx)
{
    ListView& list = *ctx.ui.List1;
    ctx.db.RunSql(QStringLiteral("Select ID, Titlu, TipAct from Acte"), true);
    Recordset& rs = ctx.db.CurrentRs();
    ListFill fill(list);
    while (!rs.Eof()) {
        ActListRebuild::appendActRow(list, rs);
        rs.MoveNext();
    }
}

void fillNews(AppContext& ctx)
{
    ListView& list = *ctx.ui.List4;
    ctx.db.RunSql(QStringLiteral("Select titlu, link from noutati order by id desc"), true);
    Recordset& rs = ctx.db.CurrentRs();
    int counter = 0;
    while (!rs.Eof() && counter != 2) {
        ++counter;
        const int row = list.Add();
        list.SetSubItem(row, NewsColumn::Title, rs.Text(QStringLiteral("titlu")));
        list.SetSubItem(row, NewsColumn::Link, rs.Text(QStringLiteral("link")));
        rs.MoveNext();
    }
}

} // namespace CatalogueLists
