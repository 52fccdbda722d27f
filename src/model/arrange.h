// Arranging several selected controls against the primary one (the last of the selection):
// aligning edges, giving them one size, and spreading them evenly. Each works out the new
// geometry only; the arranging command applies it.
#pragma once

#include <QSize>

#include <vector>

#include "model/ctrl_base.h"

namespace dataConsole {

enum class ArrangeOperation {
    kAlignLeft,
    kAlignRight,
    kAlignTop,
    kAlignBottom,
    kSpreadVertically,
    kSpreadHorizontally,
    kSameHeight,
    kSameWidth,
    kSameSize,
};

// How many controls an operation needs: two to align or size, three to spread.
int MinimumSelection(ArrangeOperation operation);

// The geometry of every selected control after `operation`, in selection order. Aligning
// puts every other control's edge on the primary's, each keeping its size; a control that
// would leave the console (of size `console`) stops at its edge instead. Sizing gives every
// other control the primary's height, width, or height and then width, through the size
// rules (which keep the controls' least sizes). Spreading leaves equal gaps between the
// controls, from the first (topmost or leftmost) to the last edge they span; overlapping
// controls give a negative gap and close up. A selection too small changes nothing.
std::vector<CCtrlGeometry> ArrangedGeometry(const std::vector<CCtrl__Base *> &selection, ArrangeOperation operation,
                                            QSize console);

} // namespace dataConsole
