#pragma once

struct AppContext;

// The contract templates list and viewer.
class Templates {
public:
    explicit Templates(AppContext& ctx) : m_ctx(ctx) {}

    void Contracte_Click();
    void List3_DblClick();

private:
    AppContext& m_ctx;
};
