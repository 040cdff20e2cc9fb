#include "catalogue/SearchCommand.h"

#include "ui/AppContext.h"

void SearchCommand::Label1_Click()
{
}

void SearchCommand::luna_Click()
{
}
