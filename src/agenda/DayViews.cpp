#include "agenda/DayViews.h"

#include "agenda/EventOrder.h"

#include "agenda/TodayCount.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QDate>

namespace {

const QLatin1String kDayQuery("Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b "
                              "where a.tipeveniment = b.id and a.data = '");

} // namespace

void DayViews::Agenda_Click()
{
    // Always starts at today, also after paging with the arrows.
    showDaysFrom(m_ctx.today());
    RefreshDayViews();
}

void DayViews::Label15_Click()
{
    moveDays(-1);
}

void DayViews::Label16_Click()
{
    moveDays(+1);
}

DayViews::Column DayViews::column(Controls& u, int day)
{
    switch (day) {
    case 1: return {u.Text1, u.View1};
    case 2: return {u.Text2, u.View2};
    case 3: return {u.Text3, u.View3};
    default: return {nullptr, nullptr};
    }
}

void DayViews::showDaysFrom(const QDate& first)
{
    for (int day = 1; day <= 3; ++day)
        column(m_ctx.ui, day).box->setText(m_ctx.dates.toText(first.addDays(day - 1)));
}

void DayViews::moveDays(int delta)
{
    QDate days[3];
    for (int i = 0; i < 3; ++i) {
        days[i] = m_ctx.dates.fromText(column(m_ctx.ui, i + 1).box->text());
        // The boxes only ever hold dates the program wrote; if one does not
        // read back (never filled), leave the days alone rather than blank them.
        if (!days[i].isValid())
            return;
    }
    for (int i = 0; i < 3; ++i)
        column(m_ctx.ui, i + 1).box->setText(m_ctx.dates.toText(days[i].addDays(delta)));
    RefreshDayViews();
}

void DayViews::RefreshDayViews()
{
    TodayCount::refresh(m_ctx); // every change of the agenda ends here; the count beside the menu follows it
    for (int day = 1; day <= 3; ++day)
        column(m_ctx.ui, day).view->Clear();
    for (int day = 1; day <= 3; ++day) {
        const Column c = column(m_ctx.ui, day);
        m_ctx.db.RunSql(kDayQuery + SqlLiteral::text(c.box->text()) + QLatin1Char('\''), true);
        Recordset& rs = m_ctx.db.CurrentRs();
        ListView& view = *c.view;
        ListFill batch(view);
        while (!rs.Eof()) {
            const int row = view.Add();
            view.SetSubItem(row, DayColumn::Hour, rs.Text(QStringLiteral("ora")));
            view.SetSubItem(row, DayColumn::Type, rs.Text(QStringLiteral("tipeveniment")));
            view.SetSubItem(row, DayColumn::Comment, rs.Text(QStringLiteral("coment")));
            view.SetSubItem(row, DayColumn::Id, rs.Text(QStringLiteral("id")));
            rs.MoveNext();
        }
        EventOrder::sortByHour(view); // a day reads by the hour
    }
}
