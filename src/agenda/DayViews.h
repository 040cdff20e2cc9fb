#pragma once

class ListView;
class QDate;
class QLineEdit;
struct AppContext;
struct Controls;

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

    // The day box and the view of agenda column `day` (1 to 3); nulls otherwise.
    struct Column {
        QLineEdit* box;
        ListView* view;
    };
    static Column column(Controls& u, int day);

private:
    void showDaysFrom(const QDate& first);
    void moveDays(int delta);

    AppContext& m_ctx;
};
