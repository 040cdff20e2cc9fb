#pragma once

struct AppContext;

// The event-type panel: new user-defined event types.
class EventTypes {
public:
    explicit EventTypes(AppContext& ctx) : m_ctx(ctx) {}

    void Label28_Click();

private:
    AppContext& m_ctx;
};
