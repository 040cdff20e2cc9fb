#include "agenda/MonthCalendar.h"

#include "agenda/DayViews.h"
#include "agenda/Holidays.h"
#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QCalendarWidget>
#include <QHash>
#include <QSignalBlocker>
#include <QTextCharFormat>

namespace {

// The grid shows six weeks, Monday first, starting on or before the 1st.
constexpr int kGridDays = 42;

QDate gridStart(int year, int month)
{
    const QDate first(year, month, 1);
    return first.addDays(-(first.dayOfWeek() - 1));
}

} // namespace

void MonthCalendar::setUp()
{
    QCalendarWidget* c = m_ctx.ui.calendar;
    c->setLocale(QLocale(QLocale::Romanian, QLocale::Romania));
    c->setFirstDayOfWeek(Qt::Monday);
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    c->setGridVisible(true);
    // Every day's colour comes from its own format, so that a Saturday is red
    // for the same reason as a holiday and says so in its tool tip.
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d)
        c->setWeekdayTextFormat(Qt::DayOfWeek(d), QTextCharFormat());
}

void MonthCalendar::vezicalendar_Click()
{
    Controls& u = m_ctx.ui;
    QDate start = m_ctx.dates.fromText(u.Text1->text());
    if (!start.isValid())
        start = m_ctx.today();
    {
        // One read for the month shown, not one per signal of the set-up.
        const QSignalBlocker quiet(u.calendar);
        u.calendar->setSelectedDate(start);
        u.calendar->setCurrentPage(start.year(), start.month());
    }
    loadMonth(start.year(), start.month());
    u.calendarluna->show();
    u.calendarluna->raise();
    u.calendar->setFocus();
}

void MonthCalendar::calendarinapoi_Click()
{
    m_ctx.ui.calendarluna->hide();
}

void MonthCalendar::pageChanged(int year, int month)
{
    loadMonth(year, month);
}

void MonthCalendar::dayChosen(const QDate& date)
{
    if (!date.isValid())
        return;
    Controls& u = m_ctx.ui;
    u.calendarluna->hide();
    u.Frame2->show();
    for (int d = 1; d <= 3; ++d)
        DayViews::column(u, d).box->setText(m_ctx.dates.toText(date.addDays(d - 1)));
    DayViews(m_ctx).RefreshDayViews();
}

void MonthCalendar::loadMonth(int year, int month)
{
    const QDate first = gridStart(year, month);
    // Days are stored as regional text, so the month is asked for by the
    // texts of its days: one statement, answered from the index on `data`.
    QHash<QString, int> events;
    QString list;
    for (int i = 0; i < kGridDays; ++i) {
        if (i)
            list += QLatin1Char(',');
        list += QLatin1Char('\'') + SqlLiteral::text(m_ctx.dates.toText(first.addDays(i))) + QLatin1Char('\'');
    }
    m_ctx.db.RunSql(QStringLiteral("Select a.data, count(*) as n from agenda a, tip_eveniment b "
                                   "where a.tipeveniment = b.id and a.data in (") +
                        list + QStringLiteral(") group by a.data"),
                    true);
    for (Recordset& rs = m_ctx.db.CurrentRs(); !rs.Eof(); rs.MoveNext())
        events[rs.Text(QStringLiteral("data"))] += rs.Text(QStringLiteral("n")).toInt();

    QCalendarWidget* c = m_ctx.ui.calendar;
    c->setDateTextFormat(QDate(), QTextCharFormat()); // forget the month shown before
    for (int i = 0; i < kGridDays; ++i) {
        const QDate day = first.addDays(i);
        // Matched as the day views match: the text compares without regard to case.
        const int n = events.value(m_ctx.dates.toText(day));
        const QString why = m_days.reason(day);
        if (n == 0 && why.isEmpty())
            continue;
        QTextCharFormat f;
        QStringList tip;
        if (!why.isEmpty()) {
            f.setForeground(Qt::red);
            tip << why;
        }
        if (n > 0) {
            f.setFontWeight(QFont::Bold);
            tip << (n == 1 ? QStringLiteral("1 eveniment") : QStringLiteral("%1 evenimente").arg(n));
        }
        f.setToolTip(tip.join(QLatin1Char('\n')));
        c->setDateTextFormat(day, f);
    }
}
