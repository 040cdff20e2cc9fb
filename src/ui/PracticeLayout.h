#pragma once

struct Controls;
class QWidget;

namespace Layout {

// The agenda's buttons for deadlines, the month calendar and the export, their
// two panels over the agenda panel, and today's count beside the menu entry.
// Built after the stacking, so the panels lie above the agenda panel.
void buildPracticePanels(QWidget* form, Controls& ui);

} // namespace Layout
