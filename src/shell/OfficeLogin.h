#pragma once

struct AppContext;

// Office mode: when the server wants a password that none of the usual
// sources gives, the window asks for it once through its dialogs, and a
// refused login is said once; the window opens either way.
namespace OfficeLogin {

void attach(AppContext& ctx);

} // namespace OfficeLogin
