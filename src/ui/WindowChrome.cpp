#include "ui/WindowChrome.h"

#include "controls/Twips.h"
#include "shell/AppContext.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <limits>

qint16 WindowChrome::toTwipsWord(float value)
{
    // Nearest whole number, a half going to the even neighbour; a place far
    // outside the strip is held at the word's limits instead of wrapping.
    const float r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<qint16>::min()))
        return std::numeric_limits<qint16>::min();
    if (r > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(r);
}

int WindowChrome::twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / float(Twips::kPerPixel)));
}

void WindowChrome::Image2_MouseDown(int, int, float x, float y)
{
    WindowState& s = m_ctx.state;
    s.DragOn = true;
    s.DragX = toTwipsWord(x);
    s.DragY = toTwipsWord(y);
    // Some window systems never let a program place its own window; there the
    // system carries the drag and the moves below change nothing.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (QWindow* handle = m_ctx.window->windowHandle())
            handle->startSystemMove();
    }
}

void WindowChrome::Image2_MouseMove(int, int, float x, float y)
{
    if (m_ctx.state.DragOn)
        moveWindow(x, y);
}

void WindowChrome::Image2_MouseUp(int, int, float x, float y)
{
    // The release may come after a last move that produced no move event, so
    // it moves the window once more whether or not a drag is on.
    moveWindow(x, y);
    m_ctx.state.DragOn = false;
}

void WindowChrome::moveWindow(float x, float y)
{
    QWidget* w = m_ctx.window;
    const WindowState& s = m_ctx.state;
    // The left edge is set before the top edge is read.
    const float left = float(w->x()) * float(Twips::kPerPixel);
    w->move(twipsToPixels(x - float(s.DragX) + left), w->y());
    const float top = float(w->y()) * float(Twips::kPerPixel);
    w->move(w->x(), twipsToPixels(y - float(s.DragY) + top));
}

void WindowChrome::Label27_Click()
{
    // Closing the program's only window ends the event loop, and with it the
    // program; nothing is asked and nothing is written.
    m_ctx.window->close();
}

void WindowChrome::Label29_Click()
{
    QWidget* w = m_ctx.window;
    w->setWindowState((w->windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}
