#include "controls/FocusFrame.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace FocusFrame {

bool isActivationKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

void paint(QWidget& widget)
{
    QPainter p(&widget);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Dark orange reads on white and on the panels' blue alike.
    QPen pen(QColor(232, 120, 0));
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(widget.rect().adjusted(1, 1, -1, -1));
}

} // namespace FocusFrame
