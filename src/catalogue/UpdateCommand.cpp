#include "catalogue/UpdateCommand.h"

#include "catalogue/CatalogueLists.h"
#include "catalogue/PackImport.h"
#include "shell/AppContext.h"
#include "store/DataLocation.h"
#include "store/modDB.h"

namespace {

// The installed catalogue is shared by every user of the machine: only the
// administrator's command changes it.
bool leftToAdministrator(AppContext& ctx)
{
    if (!DataLocation::isInstalled(ctx.programDir))
        return false;
    ctx.message(QStringLiteral("Catalogul este actualizat de administrator (tarvenor-update PACHET)."));
    return true;
}

} // namespace

namespace {

// Office mode: only the catalogue administrator's login may change the catalogue.
bool refuseNonAdmin(AppContext& ctx)
{
    if (ctx.db.mayUpdateCatalogue())
        return false;
    ctx.message(QStringLiteral("Doar administratorul catalogului poate actualiza catalogul."));
    return true;
}

} // namespace

void UpdateCommand::Update_Click()
{
    if (leftToAdministrator(m_ctx) || refuseNonAdmin(m_ctx))
        return;
    const QString path = m_ctx.dialogs->openFile(m_ctx.window, QStringLiteral("Alegeti pachetul de actualizare"),
                                                 QStringLiteral("Pachete de actualizare (*.sql *.sql.gz)"));
    if (path.isEmpty())
        return;
    ImportUpdatePack(path);
}

void UpdateCommand::ImportUpdatePack(const QString& path)
{
    if (leftToAdministrator(m_ctx) || refuseNonAdmin(m_ctx))
        return;
    // A refusal reaches the user through the window's error handling.
    const PackImport::Result result = PackImport(m_ctx.db, *m_ctx.dialogs, m_ctx.window, m_ctx.programDir).run(path);
    if (result.applied)
        refillLists();
    m_ctx.message(result.message);
}

void UpdateCommand::refillLists()
{
    // The update has landed; a failing refill only leaves a list short.
    try {
        m_ctx.ui.List4->Clear();
        CatalogueLists::fillNews(m_ctx);
        if (m_ctx.state.AllActsListed) {
            m_ctx.ui.List1->Clear();
            CatalogueLists::fillAllActs(m_ctx);
        }
    } catch (const StoreError&) {
    }
}
