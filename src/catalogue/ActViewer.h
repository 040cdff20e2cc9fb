#pragma once

struct AppContext;

// Opens an act from the act list or the news list in the viewer.
class ActViewer {
public:
    explicit ActViewer(AppContext& ctx) : m_ctx(ctx) {}

    void List1_DblClick();
    void List4_DblClick();

private:
    AppContext& m_ctx;
};
