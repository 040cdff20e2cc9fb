#pragma once

#include <QtGlobal>

// State of the window that outlives a handler, beyond its controls.
struct WindowState {
    bool FavMode = false; // List1 holds the favourites
    bool DragOn = false;  // a drag of the title strip is under way
    qint16 DragX = 0;     // press place inside the strip, twips
    qint16 DragY = 0;
    bool AllActsListed = true; // List1 still shows the start-up list of all acts
    QString ShownActId;        // the act the viewer shows, for "Adauga la Favorite"

    // Search hits: the keyword of the search that filled List1, shown in the viewer.
    QString HitKeyword;
    bool HitInText = false;
};
