#include "ui/Startup.h"

#include "catalogue/CatalogueLists.h"
#include "catalogue/SearchChoices.h"
#include "catalogue/SearchCommand.h"
#include "controls/ComboBox.h"
#include "shell/AppContext.h"
#include "store/StoreError.h"

namespace Startup {

void Form_Load(AppContext& ctx)
{
    Controls& u = ctx.ui;
    SearchCommand::fillDays(*u.zi, 31);
    u.zi->setText(QStringLiteral("zz"));
    u.tipact->setText(QString::fromLatin1(SearchChoices::kActTypes[0]));
    u.emitent->setText(QString::fromLatin1(SearchChoices::kIssuers[0]));

    // From here on a failing step is skipped: the window must open regardless.
    try {
        CatalogueLists::fillAllActs(ctx);
    } catch (const StoreError&) {
    }
    ctx.state.AllActsListed = true;
    try {
        CatalogueLists::fillNews(ctx);
    } catch (const StoreError&) {
    }
}

} // namespace Startup
