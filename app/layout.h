#pragma once

#include "app/ids.h"
#include "platform/geometry.h"

namespace tandrel {

class Ui;

// The layout is a set of formulas of the window's size. Every coordinate is the
// absolute value of its formula, so a window shrunk below the formulas' offsets
// folds its controls back instead of pushing them to negative places.
//   layoutHeight: client height plus the menu bar's height.
//   panel:        outer size of the tab panel, as it really is after moving.
//   listHeight:   outer height of the installed list, as it really is.
Rect placeInWindow(Control control, Size client, int layoutHeight);
Rect placeInPage(Control control, Size panel, int listHeight);

// Moves every control to its place, in the order in which each formula's inputs are ready.
void relayout(Ui& ui);

} // namespace tandrel
