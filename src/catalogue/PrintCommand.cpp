#include "catalogue/PrintCommand.h"

#include "ui/AppContext.h"

void PrintCommand::Label12_Click()
{
}
