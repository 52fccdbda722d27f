// The editing state shared by every console canvas: what a drag does, and which kind of
// control the next click places. The main window owns it.
#pragma once

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

// The kind the next click places, as the create commands number them (0: none).
enum PendingKind : int {
    kPendingNone = 0,
    kPendingImage = 1,
    kPendingLabel = 2,
    kPendingButton = 3,
    kPendingFaderHorz = 4,
    kPendingFaderVert = 5,
    kPendingRotary = 6,
    kPendingWheel = 7,
    kPendingTrichro = 8,
    kPendingPanTilt = 9,
    kPendingGroupButtons = 10,
    kPendingGroupIncDec = 11,
};
inline constexpr int kPendingKindCount = 12;

// The control kind code of a pending kind; -1 for none.
int ControlKindOfPending(int pending);

struct CEditState
{
    int mode = kModeIdle;
    int pendingKind = kPendingNone;
};

} // namespace korvane
