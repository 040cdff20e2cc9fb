#pragma once

// Romanian for the toolkit's own words: the text boxes' context menus, the
// standard buttons, the file, print and progress dialogs. Compiled from
// translations/qt_ro.ts into the program. Call once the application object
// exists and before the window is made; returns false when it could not load.
namespace Translation {
bool installToolkitRomanian();
} // namespace Translation
