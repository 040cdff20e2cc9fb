#include "agenda/TodayCount.h"

#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

namespace TodayCount {

void refresh(AppContext& ctx)
{
    QLabel* label = ctx.ui.evazi;
    if (!label)
        return;
    // The same join as the day views: an event whose type is gone shows
    // nowhere, so it is not counted either.
    ctx.db.RunSql(QStringLiteral("Select count(*) as n from agenda a, tip_eveniment b where a.tipeveniment = b.id "
                                 "and a.data = '") +
                      SqlLiteral::text(ctx.dates.toText(ctx.today())) + QLatin1Char('\''),
                  true);
    Recordset& rs = ctx.db.CurrentRs();
    const int n = rs.Eof() ? 0 : rs.Text(QStringLiteral("n")).toInt();
    if (n <= 0) {
        label->clear();
        label->hide();
        return;
    }
    label->setText(n == 1 ? QStringLiteral("1 eveniment azi") : QStringLiteral("%1 evenimente azi").arg(n));
    label->show();
}

} // namespace TodayCount
