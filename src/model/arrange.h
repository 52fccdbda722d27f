// Arranging several selected controls against the primary one (the last of the selection):
// aligning edges, giving them one size, and spreading them evenly.
#pragma once

#include <QSize>

#include <vector>

namespace dataConsole {

class CCtrl__Base;

enum class AlignEdge { kLeft, kRight, kTop, kBottom };
enum class SizeFrom { kHeight, kWidth, kBoth };

// Puts every other control's edge on the primary's, each keeping its size; a control that
// would leave the console is stopped at its edge instead.
void AlignControls(const std::vector<CCtrl__Base *> &selection, AlignEdge edge, QSize console);
// Gives every other control the primary's height, width, or height and then width, through
// the size setters (which keep the controls' least sizes).
void StandardiseControls(const std::vector<CCtrl__Base *> &selection, SizeFrom what);
// Spreads the controls so equal gaps lie between them, from the first (topmost or leftmost)
// to the last edge they span; overlapping controls give a negative gap and close up.
void SpreadControls(const std::vector<CCtrl__Base *> &selection, bool vertically);

} // namespace dataConsole
