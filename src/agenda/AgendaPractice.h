#pragma once

#include "agenda/DeadlinePanel.h"
#include "agenda/Holidays.h"
#include "agenda/IcsExport.h"
#include "agenda/MonthCalendar.h"

#include <QDate>

class QLineEdit;
class QTimer;
struct AppContext;

// What the agenda offers a law practice beyond its three days: non-working
// days, the deadline panel, the month calendar, today's count and the export.
class AgendaPractice {
public:
    explicit AgendaPractice(AppContext& ctx);

    // Reads the office's closed days (reporting a bad line once), fills the
    // panels' fixed lists, marks the day boxes and counts today's events.
    void start();

    // Red text and the reason as tool tip when the box's day is no working day.
    void markDayBox(QLineEdit* box);
    // A main-menu entry leaves the agenda's own panels closed.
    void hidePanels();
    // Called by the clock: a new day brings a new count of today's events.
    void checkDate();

    const NonWorkingDays& nonWorkingDays() const { return m_days; }
    DeadlinePanel& deadlines() { return m_deadlines; }
    MonthCalendar& month() { return m_month; }
    IcsExport& calendarFile() { return m_export; }

private:
    AppContext& m_ctx;
    NonWorkingDays m_days;
    DeadlinePanel m_deadlines;
    MonthCalendar m_month;
    IcsExport m_export;
    QDate m_countedDay;
    QTimer* m_clock = nullptr;
};
