#include "agenda/DayViews.h"

#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "ui/AppContext.h"

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

void DayViews::showDaysFrom(const QDate& first)
{
    Controls& u = m_ctx.ui;
    u.Text1->setText(m_ctx.dates.toText(first));
    u.Text2->setText(m_ctx.dates.toText(first.addDays(1)));
    u.Text3->setText(m_ctx.dates.toText(first.addDays(2)));
}

void DayViews::moveDays(int delta)
{
    Controls& u = m_ctx.ui;
    QLineEdit* boxes[] = {u.Text1, u.Text2, u.Text3};
    QDate days[3];
    for (int i = 0; i < 3; ++i) {
        days[i] = m_ctx.dates.fromText(boxes[i]->text());
        // The boxes only ever hold dates the program wrote; if one does not
        // read back (never filled), leave the days alone rather than blank them.
        if (!days[i].isValid())
            return;
    }
    for (int i = 0; i < 3; ++i)
        boxes[i]->setText(m_ctx.dates.toText(days[i].addDays(delta)));
    RefreshDayViews();
}

void DayViews::RefreshDayViews()
{
    Controls& u = m_ctx.ui;
    ListView* views[] = {u.View1, u.View2, u.View3};
    QLineEdit* boxes[] = {u.Text1, u.Text2, u.Text3};
    for (ListView* v : views)
        v->Clear();
    for (int i = 0; i < 3; ++i) {
        m_ctx.db.RunSql(kDayQuery + SqlLiteral::text(boxes[i]->text()) + QLatin1Char('\''), true);
        Recordset& rs = m_ctx.db.CurrentRs();
        ListView& view = *views[i];
        ListFill batch(view);
        while (!rs.Eof()) {
            const int row = view.Add();
            view.SetSubItem(row, 1, rs.Text(QStringLiteral("ora")));
            view.SetSubItem(row, 2, rs.Text(QStringLiteral("tipeveniment")));
            view.SetSubItem(row, 3, rs.Text(QStringLiteral("coment")));
            view.SetSubItem(row, 4, rs.Text(QStringLiteral("id")));
            rs.MoveNext();
        }
    }
}
