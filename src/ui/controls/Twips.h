#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// Places on the window are given in twips; 15 twips make one pixel.
namespace Twips {
inline constexpr int kPerPixel = 15;
inline int px(int twips) { return (twips + kPerPixel / 2) / kPerPixel; }
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace Twips

// The interface fonts: Verdana or Tahoma where installed, else DejaVu Sans at
// the same size.
QFont uiFont(const QString& family, double pointSize, bool bold = false);
