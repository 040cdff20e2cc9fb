#pragma once

struct AppContext;

// The window's load step: the search form's fixed lists, every act, the two
// newest news items. A failing data step is skipped so the window always opens.
namespace Startup {
void Form_Load(AppContext& ctx);
} // namespace Startup
