#include "agenda/EventTypes.h"

#include "ui/AppContext.h"

void EventTypes::Label28_Click()
{
}
