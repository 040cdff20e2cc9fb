#pragma once

class QKeyEvent;
class QWidget;

// What the window's label buttons share with real buttons on the keyboard:
// the keys that press them and the frame that shows which one has the focus.
namespace FocusFrame {

// Enter, Return or Space without Ctrl or Alt.
bool isActivationKey(const QKeyEvent& event);

// A dashed frame just inside the widget, in a colour that stands out both on
// the white label buttons and on the blue background.
void paint(QWidget& widget);

} // namespace FocusFrame
