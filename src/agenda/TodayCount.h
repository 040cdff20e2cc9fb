#pragma once

struct AppContext;

// The label beside the agenda entry of the main menu: how many events today holds.
namespace TodayCount {

// Counts today's events as the day views list them and shows the count, or
// hides the label when there are none.
void refresh(AppContext& ctx);

} // namespace TodayCount
