#pragma once

#include <QWidget>

// An image control without a picture: a transparent area that reports clicks
// and mouse down / move / up with the button, shift state and place in twips.
// Given a focus policy, it also clicks on Enter or Space and shows a focus frame.
class MouseArea : public QWidget {
    Q_OBJECT
public:
    MouseArea(const QString& name, QWidget* parent);

public slots:
    // Acts as a mouse click does.
    void click() { emit Click(); }

signals:
    void Click();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

// Button code (1 left, 2 right, 4 middle) and shift state (1 shift, 2 ctrl, 4 alt).
int mouseButtonCode(Qt::MouseButtons buttons);
int shiftStateCode(Qt::KeyboardModifiers modifiers);
