#pragma once

#include "shell/Controls.h"

class QWidget;

namespace Layout {

// The reader's heading list and save button, in the viewer's button row
// between "Print" and "Inapoi" where no other control lies.
void buildReaderControls(QWidget* form, Controls& ui);

} // namespace Layout
