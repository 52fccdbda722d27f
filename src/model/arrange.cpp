// Aligning, sizing and spreading controls.
#include "model/arrange.h"

#include <algorithm>

namespace dataConsole {

namespace {

std::vector<CCtrlGeometry> GeometryOf(const std::vector<CCtrl__Base *> &selection)
{
    std::vector<CCtrlGeometry> geometry;
    for (const CCtrl__Base *control : selection)
        geometry.push_back(control->Geometry());
    return geometry;
}

void Align(std::vector<CCtrlGeometry> &geometry, ArrangeOperation edge, QSize console)
{
    const QRect reference = geometry.back().rect;
    for (std::size_t i = 0; i + 1 < geometry.size(); ++i) {
        QRect &rect = geometry[i].rect;
        switch (edge) {
        case ArrangeOperation::kAlignLeft:
            rect.moveLeft(reference.left());
            if (rect.x() + rect.width() > console.width())
                rect.moveLeft(console.width() - rect.width());
            break;
        case ArrangeOperation::kAlignRight:
            rect.moveLeft(reference.x() + reference.width() - rect.width());
            if (rect.left() < 0)
                rect.moveLeft(0);
            break;
        case ArrangeOperation::kAlignTop:
            rect.moveTop(reference.top());
            if (rect.y() + rect.height() > console.height())
                rect.moveTop(console.height() - rect.height());
            break;
        default:
            rect.moveTop(reference.y() + reference.height() - rect.height());
            if (rect.top() < 0)
                rect.moveTop(0);
            break;
        }
    }
}

void Standardise(std::vector<CCtrlGeometry> &geometry, const std::vector<CCtrl__Base *> &selection,
                 ArrangeOperation what)
{
    const QSize size = geometry.back().rect.size();
    for (std::size_t i = 0; i + 1 < geometry.size(); ++i) {
        if (what != ArrangeOperation::kSameWidth)
            geometry[i] = selection[i]->WithHeight(geometry[i], size.height(), true);
        if (what != ArrangeOperation::kSameHeight)
            geometry[i] = selection[i]->WithWidth(geometry[i], size.width(), true);
    }
}

void Spread(std::vector<CCtrlGeometry> &geometry, bool vertically)
{
    const int n = int(geometry.size());
    auto start = [&](const QRect &r) { return vertically ? r.y() : r.x(); };
    auto length = [&](const QRect &r) { return vertically ? r.height() : r.width(); };
    std::vector<QRect *> sorted;
    for (CCtrlGeometry &g : geometry)
        sorted.push_back(&g.rect);
    // Stable: controls starting at the same place keep their selection order.
    std::stable_sort(sorted.begin(), sorted.end(), [&](QRect *a, QRect *b) { return start(*a) < start(*b); });
    const int first = start(*sorted.front());
    int last = first;
    int total = 0;
    for (const QRect *rect : sorted) {
        last = std::max(last, start(*rect) + length(*rect));
        total += length(*rect);
    }
    const int gap = (last - total - first) / (n - 1);
    int next = first + length(*sorted.front()) + gap;
    for (int i = 1; i < n; ++i) {
        QRect &rect = *sorted[std::size_t(i)];
        if (vertically)
            rect.moveTop(next);
        else
            rect.moveLeft(next);
        next += length(rect) + gap;
    }
}

} // namespace

int MinimumSelection(ArrangeOperation operation)
{
    return operation == ArrangeOperation::kSpreadVertically || operation == ArrangeOperation::kSpreadHorizontally ? 3
                                                                                                                   : 2;
}

std::vector<CCtrlGeometry> ArrangedGeometry(const std::vector<CCtrl__Base *> &selection, ArrangeOperation operation,
                                            QSize console)
{
    std::vector<CCtrlGeometry> geometry = GeometryOf(selection);
    if (int(selection.size()) < MinimumSelection(operation))
        return geometry;
    switch (operation) {
    case ArrangeOperation::kAlignLeft:
    case ArrangeOperation::kAlignRight:
    case ArrangeOperation::kAlignTop:
    case ArrangeOperation::kAlignBottom:
        Align(geometry, operation, console);
        break;
    case ArrangeOperation::kSpreadVertically:
    case ArrangeOperation::kSpreadHorizontally:
        Spread(geometry, operation == ArrangeOperation::kSpreadVertically);
        break;
    case ArrangeOperation::kSameHeight:
    case ArrangeOperation::kSameWidth:
    case ArrangeOperation::kSameSize:
        Standardise(geometry, selection, operation);
        break;
    }
    return geometry;
}

} // namespace dataConsole
