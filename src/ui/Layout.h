#pragma once

#include "ui/Controls.h"

#include <QColor>

class QWidget;

// Builds every control of the main window at its place, in its stacking order.
namespace Layout {

inline const QColor kPanelBlue(3, 162, 221);

void buildWindow(QWidget* form, Controls& ui);   // menu, chrome, viewer, lists
void buildSearchPanel(Controls& ui);             // Frame1's fields
void buildAgendaPanels(QWidget* form, Controls& ui); // Frame2, Frame3, Frame4
void applyStacking(Controls& ui);

// Shared looks
QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h);
ClickLabel* panelButton(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h);
QLineEdit* textBox(QWidget* parent, const QString& name, int l, int t, int w, int h);
QFrame* panel(QWidget* parent, const QString& name, int l, int t, int w, int h);

} // namespace Layout
