#pragma once

#include <QString>

struct AppContext;

// The Update entry: offline catalogue update packs, checked whole and then
// applied in one transaction, so a pack lands entirely or not at all.
class UpdateCommand {
public:
    explicit UpdateCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Update_Click();
    void ImportUpdatePack(const QString& path);

private:
    void refillLists();

    AppContext& m_ctx;
};
