#include "ui/WindowChrome.h"

#include "ui/AppContext.h"

#include <QWidget>

void WindowChrome::Image2_MouseDown(int, int, float, float)
{
}

void WindowChrome::Image2_MouseMove(int, int, float, float)
{
}

void WindowChrome::Image2_MouseUp(int, int, float, float)
{
}

void WindowChrome::moveWindow(float, float)
{
}

void WindowChrome::Label27_Click()
{
}

void WindowChrome::Label29_Click()
{
}
