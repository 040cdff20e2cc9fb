#pragma once

struct AppContext;

// The lists the window fills from the catalogue at start-up and again after an
// update lands.
namespace CatalogueLists {
// The news list: the two items with the highest id, newest first.
void fillNews(AppContext& ctx);
// Every act of the catalogue into List1, in the store's order.
void fillAllActs(AppContext& ctx);
} // namespace CatalogueLists
