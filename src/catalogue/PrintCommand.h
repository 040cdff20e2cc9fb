#pragma once

struct AppContext;

// The "Print" button of the viewer.
class PrintCommand {
public:
    explicit PrintCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Label12_Click();

private:
    AppContext& m_ctx;
};
