#include "catalogue/ActViewer.h"

#include "ui/AppContext.h"

void ActViewer::List1_DblClick()
{
}

void ActViewer::List4_DblClick()
{
}
