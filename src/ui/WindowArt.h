#pragma once

#include <QRect>

class QPainter;

// The window's background picture, drawn rather than loaded from a file.
namespace WindowArt {
void paintBackground(QPainter& painter, const QRect& area);
}
