#pragma once

#include <QLabel>

// A label used as a button: a click is a press and release inside it, or
// Enter or Space while it has the keyboard focus (reached with Tab).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& name, const QString& caption, QWidget* parent);

public slots:
    // Acts as a mouse click does.
    void click() { emit Click(); }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};
