#include "agenda/EventEditor.h"

#include "ui/AppContext.h"

void EventEditor::LoadEventTypes()
{
}

void EventEditor::tipev_Click()
{
}

void EventEditor::openForDay(int day)
{
}

void EventEditor::Label26_Click()
{
}

void EventEditor::openEvent(int view)
{
}

void EventEditor::modif_Click()
{
}
