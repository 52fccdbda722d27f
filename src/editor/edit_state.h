// The editing state shared by every console canvas: what a drag does, and which kind of
// control the next click places. The main window owns it.
#pragma once

#include "model/ctrl_base.h"

namespace korvane {

// What the left button does on a canvas. The resize modes are the selection frame's hit-test
// results for its handles.
enum EditMode : int {
    kModeIdle = 0,
    kModeRubberBand = 1,
    kModeMove = 2,
    kModeResizeTopLeft = 3,
    kModeResizeTop = 4,
    kModeResizeTopRight = 5,
    kModeResizeRight = 6,
    kModeResizeBottomRight = 7,
    kModeResizeBottom = 8,
    kModeResizeBottomLeft = 9,
    kModeResizeLeft = 10,
};

struct CEditState
{
    int mode = kModeIdle;
    // The control kind the next click places (dataConsole::CtrlKind); kCtrlNone for none.
    int pendingKind = dataConsole::kCtrlNone;

    bool IsPlacing() const { return pendingKind != dataConsole::kCtrlNone; }
};

} // namespace korvane
