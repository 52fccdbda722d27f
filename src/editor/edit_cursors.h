// The pointer shapes of the console canvas: the system's for moving and resizing, and one of
// our own per kind of control waiting to be placed.
#pragma once

#include <QCursor>

#include <optional>

#include "editor/edit_state.h"

namespace korvane {

// The cursor for the edit state, or nothing when the window's own cursor applies.
std::optional<QCursor> CursorForState(const CEditState &state, bool consoleLocked);
// The placement cursor of a control kind: a cross whose hot spot is where the control's
// top-left corner lands, with a small picture of the kind beside it.
QCursor PlacementCursor(int kind);

} // namespace korvane
