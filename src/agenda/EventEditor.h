#pragma once

struct AppContext;

// Adding and editing agenda events on the event panel.
class EventEditor {
public:
    explicit EventEditor(AppContext& ctx) : m_ctx(ctx) {}

    void LoadEventTypes();
    void tipev_Click();
    void openForDay(int day);
    void Label26_Click();
    void openEvent(int view);
    void modif_Click();

private:
    AppContext& m_ctx;
};
