#include "catalogue/UpdateCommand.h"

#include "ui/AppContext.h"

void UpdateCommand::Update_Click()
{
}

void UpdateCommand::ImportUpdatePack(const QString& path)
{
}
