#include "ui/WindowArt.h"

#include "ui/Layout.h"
#include "ui/controls/Twips.h"

#include <QLinearGradient>
#include <QPainter>

namespace WindowArt {

void paintBackground(QPainter& painter, const QRect& area)
{
    QLinearGradient body(area.topLeft(), area.bottomLeft());
    body.setColorAt(0.0, Layout::kPanelBlue.lighter(115));
    body.setColorAt(1.0, Layout::kPanelBlue.darker(140));
    painter.fillRect(area, body);
    // The title strip the window is dragged by.
    painter.fillRect(QRect(0, 0, area.width(), Twips::px(375)), QColor(236, 240, 244));
}

} // namespace WindowArt
