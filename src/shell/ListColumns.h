#pragma once

// The sub-items of the window's list views, as the handlers number them.
// Sub-item 0 is the item text, which none of these lists uses.

// An act row of List1: search results, all acts, favourites, recent acts.
namespace ActColumn {
enum : int { Title = 1, Type = 2, Id = 3, FavouriteId = 4, Count };
}

// A stored row in the scratch list List2 while List1 is rebuilt from it.
namespace ScratchColumn {
enum : int { FavouriteId = 2, ActId = 3, Count };
}

// A news row of List4.
namespace NewsColumn {
enum : int { Title = 1, Link = 2, Count };
}

// An event row of a day view (View1, View2, View3).
namespace DayColumn {
enum : int { Hour = 1, Type = 2, Comment = 3, Id = 4, Count };
}

// A contract template row of List3.
namespace TemplateColumn {
enum : int { Name = 1, File = 2, Count };
}
