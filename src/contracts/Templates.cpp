#include "contracts/Templates.h"

#include "ui/AppContext.h"

void Templates::Contracte_Click()
{
}

void Templates::List3_DblClick()
{
}
