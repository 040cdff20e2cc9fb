#pragma once

#include <QRect>
#include <QString>

// Places on the window are given in twips; 15 twips make one pixel.
namespace Twips {
inline constexpr int kPerPixel = 15;
inline int px(int twips)
{
    return (twips + kPerPixel / 2) / kPerPixel;
}
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace Twips
