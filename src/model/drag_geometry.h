// Where a drag of the mouse puts controls and the console: moves snapped to the grid and
// kept on the console, resizes by a handle's edges with the least sizes kept, and the
// console's own size, which never cuts its content.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

#include "model/ctrl_base.h"

namespace dataConsole {

struct CConsoleSettings;
class CConsoleData;

// The offset of a move snapped so that one edge of the reference extent [a1, a2) lands on the
// grid of step g: the nearest of the four candidates, ties to the first edge moved back.
int SnapMoveOffset(int offset, int a1, int a2, int step);
// The offset of a resize snapped so that the edge at `edge` lands on the grid (ties back).
int SnapResizeOffset(int edge, int offset, int step);
// `rect` moved as little as it takes to lie on the console: pushed right or down off the
// left and top edges, then left or up off the right and bottom ones.
QRect KeptOnConsole(QRect rect, QSize console);

// The edges a resize handle moves.
enum ResizeEdge : unsigned {
    kEdgeLeft = 1u << 0,
    kEdgeTop = 1u << 1,
    kEdgeRight = 1u << 2,
    kEdgeBottom = 1u << 3,
};

// Each control's geometry saved at the press, moved by `offset`, each kept on the console by
// itself. With snapping on, the offset first puts an edge of the primary's (the last) saved
// rectangle on the minor grid.
std::vector<CCtrlGeometry> MovedGeometry(const std::vector<CCtrlGeometry> &saved, QPoint offset,
                                         const CConsoleSettings &settings);
// Each control resized from its saved geometry by the `edges` of a handle, the horizontal
// edge first. With snapping on, the offset first puts the primary's moved edge on the minor
// grid. The right and bottom edges stay on the console, the left and top ones at 0 or more;
// the least sizes of the controls hold. `adjustText` places image and text again.
std::vector<CCtrlGeometry> ResizedGeometry(const std::vector<CCtrl__Base *> &controls,
                                           const std::vector<CCtrlGeometry> &saved, unsigned edges, QPoint offset,
                                           const CConsoleSettings &settings, bool adjustText);
// The console's size dragged by its right and bottom `edges` from `saved`, never smaller
// than `content` in either axis.
QSize ResizedConsole(QSize saved, unsigned edges, QPoint offset, QSize content);
// The largest right and bottom edge of the console's controls and pictures.
QSize ContentExtent(const CConsoleData &console);

} // namespace dataConsole
