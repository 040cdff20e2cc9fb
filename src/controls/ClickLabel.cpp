#include "controls/ClickLabel.h"

#include "controls/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it like a button; a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
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

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (FocusFrame::isActivationKey(*event)) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        FocusFrame::paint(*this);
}
