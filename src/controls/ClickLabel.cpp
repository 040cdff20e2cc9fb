#include "controls/ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_pressed && inside) {
        m_pressed = false;
        emit Click();
    } else if (event->button() == Qt::LeftButton) {
        m_pressed = false;
    }
    event->accept();
}
