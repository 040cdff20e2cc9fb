#include "shell/OfficeLogin.h"

#include "shell/AppContext.h"
#include "store/modDB.h"

namespace OfficeLogin {

void attach(AppContext& ctx)
{
    if (!ctx.db.isOffice())
        return;
    AppContext* c = &ctx; // the context outlives the store's use of it: both belong to the window
    modDB::LoginPrompt prompt;
    prompt.ask = [c](QString& user, QString& password) {
        return c->dialogs->login(c->window, QStringLiteral("Serverul bazei de date cere utilizatorul si parola."), user,
                                 password);
    };
    prompt.tell = [c](const QString& message) { c->message(message); };
    ctx.db.setLoginPrompt(std::move(prompt));
}

} // namespace OfficeLogin
