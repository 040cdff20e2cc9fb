#pragma once

#include "shell/Controls.h"

#include <QColor>

class QWidget;

// Builds every control of the main window at its place, in its stacking order.
namespace Layout {

inline const QColor kPanelBlue(3, 162, 221);

// The six main-menu entries: square clickable areas over the drawn buttons,
// in twips, left to right (Cautare, LegiCons, LegiFav, Agenda, Contracte, Update).
inline constexpr int kMenuLefts[6] = {1320, 3120, 4920, 6720, 8520, 10400};
inline constexpr int kMenuTop = 600;
inline constexpr int kMenuSize = 1095;
// The title strip the window is dragged by.
inline constexpr int kTitleStripHeight = 375;

void buildWindow(QWidget* form, Controls& ui);       // menu, chrome, viewer, lists
void buildSearchPanel(Controls& ui);                 // Frame1's fields
void buildAgendaPanels(QWidget* form, Controls& ui); // Frame2, Frame3, Frame4
void applyStacking(Controls& ui);

// Shared looks
QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h,
                   bool bold = false);
// Keeps a caption whole at its fixed width where the narrow face is missing.
void fitCaption(QLabel* label, int margin = 1);
ClickLabel* panelButton(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h);
QLineEdit* textBox(QWidget* parent, const QString& name, int l, int t, int w, int h);
QFrame* panel(QWidget* parent, const QString& name, int l, int t, int w, int h);

} // namespace Layout
