#pragma once

struct AppContext;

// The search panel: the day list that follows the month, and "CAUTA!".
class SearchCommand {
public:
    explicit SearchCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Label1_Click();
    void luna_Click();

private:
    AppContext& m_ctx;
};
