#pragma once

#include <QString>

struct AppContext;

// The Update entry: offline catalogue update packs.
class UpdateCommand {
public:
    explicit UpdateCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Update_Click();
    void ImportUpdatePack(const QString& path);

private:
    AppContext& m_ctx;
};
