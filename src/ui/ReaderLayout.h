#pragma once

#include "shell/Controls.h"

class QWidget;

namespace Layout {

// The reader's heading list and save button, in the strip below the viewer's
// buttons, where no other control of the window lies (hidden ones included).
void buildReaderControls(QWidget* form, Controls& ui);

} // namespace Layout
