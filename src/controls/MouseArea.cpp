#include "controls/MouseArea.h"

#include "controls/FocusFrame.h"
#include "controls/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

int mouseButtonCode(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int shiftStateCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

MouseArea::MouseArea(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(false);
}

void MouseArea::mousePressEvent(QMouseEvent* e)
{
    m_pressed = true;
    const QPointF p = e->position();
    emit MouseDown(mouseButtonCode(e->button()), shiftStateCode(e->modifiers()), float(p.x() * Twips::kPerPixel),
                   float(p.y() * Twips::kPerPixel));
    e->accept();
}

void MouseArea::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF p = e->position();
    emit MouseMove(mouseButtonCode(e->buttons()), shiftStateCode(e->modifiers()), float(p.x() * Twips::kPerPixel),
                   float(p.y() * Twips::kPerPixel));
    e->accept();
}

void MouseArea::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF p = e->position();
    emit MouseUp(mouseButtonCode(e->button()), shiftStateCode(e->modifiers()), float(p.x() * Twips::kPerPixel),
                 float(p.y() * Twips::kPerPixel));
    if (m_pressed && e->button() == Qt::LeftButton && rect().contains(p.toPoint()))
        emit Click();
    m_pressed = false;
    e->accept();
}

void MouseArea::keyPressEvent(QKeyEvent* e)
{
    if (FocusFrame::isActivationKey(*e)) {
        e->accept();
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void MouseArea::paintEvent(QPaintEvent*)
{
    // Transparent: the drawn button shows through; only the focus frame is ours.
    if (hasFocus())
        FocusFrame::paint(*this);
}
