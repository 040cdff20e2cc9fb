#pragma once

struct AppContext;

// The ten most recently viewed acts.
class RecentActs {
public:
    explicit RecentActs(AppContext& ctx) : m_ctx(ctx) {}

    void LoadRecentActs();

    static constexpr int kLimit = 10;

private:
    AppContext& m_ctx;
};
