// Moves and resizes by the mouse.
#include "model/drag_geometry.h"

#include <algorithm>

#include "model/console_data.h"

namespace dataConsole {

int SnapMoveOffset(int offset, int a1, int a2, int step)
{
    if (step <= 0)
        return offset;
    const int r1 = (a1 + offset) % step;
    const int u1 = step - r1;
    const int r2 = (a2 + offset) % step;
    const int u2 = step - r2;
    // The first smallest wins, in this order.
    const int candidates[] = {r1, u1, r2, u2};
    const int results[] = {offset - r1, offset + u1, offset - r2, offset + u2};
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (candidates[i] < candidates[best])
            best = i;
    }
    return results[best];
}

int SnapResizeOffset(int edge, int offset, int step)
{
    if (step <= 0)
        return offset;
    const int r = (edge + offset) % step;
    return step - r >= r ? offset - r : offset + (step - r);
}

QRect KeptOnConsole(QRect rect, QSize console)
{
    if (rect.left() < 0)
        rect.moveLeft(0);
    if (rect.top() < 0)
        rect.moveTop(0);
    if (rect.x() + rect.width() > console.width())
        rect.moveLeft(console.width() - rect.width());
    if (rect.y() + rect.height() > console.height())
        rect.moveTop(console.height() - rect.height());
    return rect;
}

std::vector<CCtrlGeometry> MovedGeometry(const std::vector<CCtrlGeometry> &saved, QPoint offset,
                                         const CConsoleSettings &settings)
{
    if (saved.empty())
        return {};
    if (settings.snapToGrid) {
        const QRect reference = saved.back().rect;
        const int step = settings.gridSubStep;
        offset.setX(SnapMoveOffset(offset.x(), reference.left(), reference.x() + reference.width(), step));
        offset.setY(SnapMoveOffset(offset.y(), reference.top(), reference.y() + reference.height(), step));
    }
    std::vector<CCtrlGeometry> moved = saved;
    for (CCtrlGeometry &geometry : moved)
        geometry.rect = KeptOnConsole(geometry.rect.translated(offset), QSize(settings.width, settings.height));
    return moved;
}

namespace {

QPoint SnappedResizeOffset(QPoint offset, const QRect &primary, unsigned edges, int step)
{
    if (edges & kEdgeLeft)
        offset.setX(SnapResizeOffset(primary.left(), offset.x(), step));
    if (edges & kEdgeRight)
        offset.setX(SnapResizeOffset(primary.x() + primary.width(), offset.x(), step));
    if (edges & kEdgeTop)
        offset.setY(SnapResizeOffset(primary.top(), offset.y(), step));
    if (edges & kEdgeBottom)
        offset.setY(SnapResizeOffset(primary.y() + primary.height(), offset.y(), step));
    return offset;
}

// One control resized from `from` (its saved geometry).
CCtrlGeometry Resized(const CCtrl__Base &control, CCtrlGeometry from, unsigned edges, QPoint offset, QSize console,
                      bool adjust)
{
    const QRect s = from.rect;
    CCtrlGeometry g = from;
    if (edges & kEdgeLeft) {
        // The right edge stays; the left one stops at 0.
        const int right = s.x() + s.width();
        g = control.WithWidth(g, s.width() - offset.x(), adjust);
        if (right - g.rect.width() < 0)
            g = control.WithWidth(g, right, adjust);
        g.rect = QRect(right - g.rect.width(), g.rect.y(), g.rect.width(), g.rect.height());
    }
    if (edges & kEdgeRight)
        g = control.WithWidth(g, s.width() + std::min(offset.x(), console.width() - (s.x() + s.width())), adjust);
    if (edges & kEdgeTop) {
        const int bottom = s.y() + s.height();
        g = control.WithHeight(g, s.height() - offset.y(), adjust);
        if (bottom - g.rect.height() < 0)
            g = control.WithHeight(g, bottom, adjust);
        g.rect = QRect(g.rect.x(), bottom - g.rect.height(), g.rect.width(), g.rect.height());
    }
    if (edges & kEdgeBottom)
        g = control.WithHeight(g, s.height() + std::min(offset.y(), console.height() - (s.y() + s.height())), adjust);
    return g;
}

} // namespace

std::vector<CCtrlGeometry> ResizedGeometry(const std::vector<CCtrl__Base *> &controls,
                                           const std::vector<CCtrlGeometry> &saved, unsigned edges, QPoint offset,
                                           const CConsoleSettings &settings, bool adjustText)
{
    if (saved.empty() || saved.size() != controls.size())
        return saved;
    if (settings.snapToGrid)
        offset = SnappedResizeOffset(offset, saved.back().rect, edges, settings.gridSubStep);
    std::vector<CCtrlGeometry> resized;
    for (std::size_t i = 0; i < controls.size(); ++i)
        resized.push_back(
            Resized(*controls[i], saved[i], edges, offset, QSize(settings.width, settings.height), adjustText));
    return resized;
}

QSize ResizedConsole(QSize saved, unsigned edges, QPoint offset, QSize content)
{
    // Each handle changes the sides it stands on: the right handle the width alone, the
    // bottom one the height alone.
    QSize size = saved;
    if (edges & kEdgeRight)
        size.setWidth(std::max(saved.width() + offset.x(), content.width()));
    if (edges & kEdgeBottom)
        size.setHeight(std::max(saved.height() + offset.y(), content.height()));
    return size;
}

QSize ContentExtent(const CConsoleData &console)
{
    QSize extent(0, 0);
    auto take = [&](const CCtrl__Base &control) {
        const QRect r = control.Rect();
        extent = extent.expandedTo(QSize(r.x() + r.width(), r.y() + r.height()));
    };
    for (const auto &control : console.Controls())
        take(*control);
    for (const auto &picture : console.Pictures())
        take(*picture);
    return extent;
}

} // namespace dataConsole
