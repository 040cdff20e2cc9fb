#pragma once

struct AppContext;
class ComboBox;

// The search panel: the day list that follows the month, and "CAUTA!".
class SearchCommand {
public:
    explicit SearchCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Label1_Click();
    void luna_Click();

    // The day list: "01" to "09", then the plain numbers up to `days`.
    static void fillDays(ComboBox& zi, int days);

private:
    AppContext& m_ctx;
};
