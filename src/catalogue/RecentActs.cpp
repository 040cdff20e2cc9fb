#include "catalogue/RecentActs.h"

#include "ui/AppContext.h"

void RecentActs::LoadRecentActs()
{
}
