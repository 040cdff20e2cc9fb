#pragma once

#include <QString>

struct AppContext;
namespace UpdatePack {
struct Pack;
}
namespace SignedPack {
struct Publisher;
}

// The Update entry: offline catalogue update packs, checked whole and then
// applied in one transaction, so a pack lands entirely or not at all.
class UpdateCommand {
public:
    explicit UpdateCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Update_Click();
    void ImportUpdatePack(const QString& path);

private:
    struct Counts {
        int newActs = 0;
        int replacedActs = 0;
        int news = 0;
        const SignedPack::Publisher* publisher = nullptr; // whose signed version the pack brings
    };

    bool actExists(qint64 id);
    void checkLinks(const UpdatePack::Pack& pack);
    // False when the user cancelled; throws StoreError on a store failure.
    bool apply(const UpdatePack::Pack& pack, Counts& counts);
    void refillLists();

    AppContext& m_ctx;
};
