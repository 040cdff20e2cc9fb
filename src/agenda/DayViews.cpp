#include "agenda/DayViews.h"

#include "ui/AppContext.h"

void DayViews::Agenda_Click()
{
}

void DayViews::Label15_Click()
{
}

void DayViews::Label16_Click()
{
}

void DayViews::RefreshDayViews()
{
}
