#pragma once

#include <QDate>

class NonWorkingDays;
struct AppContext;

// The month at a glance over the agenda: days with events in bold, days
// without work in red, a day chosen opens the agenda on it.
class MonthCalendar {
public:
    MonthCalendar(AppContext& ctx, const NonWorkingDays& days) : m_ctx(ctx), m_days(days) {}

    void setUp();
    void vezicalendar_Click();
    void calendarinapoi_Click();
    // The calendar turned to another month.
    void pageChanged(int year, int month);
    // A day clicked or Enter pressed on it.
    void dayChosen(const QDate& date);

private:
    // Marks the six weeks shown for the month, reading their events with one query.
    void loadMonth(int year, int month);

    AppContext& m_ctx;
    const NonWorkingDays& m_days;
};
