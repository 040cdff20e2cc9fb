#pragma once

class QDate;
struct AppContext;

// The three day views of the agenda panel. The only state is the text of the
// three day boxes; every refill reads the days back from them.
class DayViews {
public:
    explicit DayViews(AppContext& ctx) : m_ctx(ctx) {}

    // Data part of the agenda entry (the panel switching is done before it).
    void Agenda_Click();
    void Label15_Click(); // "<"
    void Label16_Click(); // ">"
    void RefreshDayViews();

private:
    void showDaysFrom(const QDate& first);
    void moveDays(int delta);

    AppContext& m_ctx;
};
