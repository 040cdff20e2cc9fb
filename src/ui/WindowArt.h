#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

// The window's background picture, drawn by the program itself: title strip,
// green menu band with six glossy buttons, and the blue working area.
namespace WindowArt {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// Draws the picture afresh (800 x 600).
QImage drawPicture();
// The picture, drawn once per run and then reused.
const QImage& picture();
// Fills `area` of the window: the picture from the top-left corner, its last
// column and row stretched over any window area beyond it.
void paintBackground(QPainter& painter, const QRect& area);

// Centre and radius, in pixels, of menu button `index` (0 to 5) as drawn.
QPointF buttonCentre(int index);
double buttonRadius();

// The program's icon at `size` x `size` pixels: the desk's scales on the
// menu band's green, for the desktop menu and the package.
QImage drawIcon(int size);

} // namespace WindowArt
