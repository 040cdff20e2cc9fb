#pragma once

struct AppContext;

// The three day views of the agenda panel.
class DayViews {
public:
    explicit DayViews(AppContext& ctx) : m_ctx(ctx) {}

    void Agenda_Click();
    void Label15_Click();
    void Label16_Click();
    void RefreshDayViews();

private:
    AppContext& m_ctx;
};
