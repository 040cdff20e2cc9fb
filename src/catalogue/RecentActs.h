#pragma once

struct AppContext;

// The ten most recently viewed acts.
class RecentActs {
public:
    explicit RecentActs(AppContext& ctx) : m_ctx(ctx) {}

    void LoadRecentActs();

private:
    AppContext& m_ctx;
};
