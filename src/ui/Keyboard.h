#pragma once

#include <QObject>
#include <QStringList>

class QWidget;
struct Controls;
struct WindowState;

// The window driven from the keyboard: focus in the key-word field at start
// and on the screen in front after each switch, the Tab order, accessible
// names, and the window's keys (Esc, Ctrl+P, Ctrl+D, Alt+1 to Alt+6, Delete on
// a favourite). Every key acts through the button or entry a click would.
class Keyboard : public QObject {
    Q_OBJECT
public:
    Keyboard(QWidget* form, Controls& ui, WindowState& state);

    // The back buttons Esc presses, topmost screen first; the first one that
    // is shown is clicked. A new screen with a back button adds its name here.
    static const QStringList& backButtons();

    // Tab order and accessible names; run again once the window is shown, so
    // that controls made after this object are taken in too.
    void applyTabOrder();
    void nameControls();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addShortcuts();
    bool pressBack();
    // Moves the focus to the screen in front (a panel, the viewer or a list).
    void focusFrontScreen();

    QWidget* m_form;
    Controls& m_ui;
    WindowState& m_state;
    bool m_shownOnce = false;
};
