#include "ui/Startup.h"

#include "catalogue/ActListRebuild.h"
#include "catalogue/SearchCommand.h"

#include "store/modDB.h"
#include "ui/AppContext.h"

namespace Startup {

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
        list.SetSubItem(row, 1, rs.Text(QStringLiteral("titlu")));
        list.SetSubItem(row, 2, rs.Text(QStringLiteral("link")));
        rs.MoveNext();
    }
}

void Form_Load(AppContext& ctx)
{
    Controls& u = ctx.ui;
    SearchCommand::fillDays(*u.zi, 31);
    u.zi->setText(QStringLiteral("zz"));
    u.tipact->setText(QStringLiteral("- Orice Tip Act -"));
    u.emitent->setText(QStringLiteral("- Orice Emitent -"));

    // From here on a failing step is skipped: the window must open regardless.
    try {
        fillAllActs(ctx);
    } catch (const StoreError&) {
    }
    ctx.state.AllActsListed = true;
    try {
        fillNews(ctx);
    } catch (const StoreError&) {
    }
}

} // namespace Startup
