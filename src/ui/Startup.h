#pragma once

struct AppContext;

// The window's load step: the search form's fixed lists, every act, the two
// newest news items. A failing data step is skipped so the window always opens.
namespace Startup {
void Form_Load(AppContext& ctx);
// The news list: the two items with the highest id, newest first.
void fillNews(AppContext& ctx);
// Every act of the catalogue into List1, in the store's order.
void fillAllActs(AppContext& ctx);
} // namespace Startup
