// Aligning, sizing and spreading controls.
#include "model/arrange.h"

#include <algorithm>

#include "model/ctrl_base.h"

namespace dataConsole {

void AlignControls(const std::vector<CCtrl__Base *> &selection, AlignEdge edge, QSize console)
{
    if (selection.size() < 2)
        return;
    const QRect reference = selection.back()->Rect();
    for (std::size_t i = 0; i + 1 < selection.size(); ++i) {
        CCtrl__Base &control = *selection[i];
        QRect rect = control.Rect();
        switch (edge) {
        case AlignEdge::kLeft:
            rect.moveLeft(reference.left());
            if (rect.x() + rect.width() > console.width())
                rect.moveLeft(console.width() - rect.width());
            break;
        case AlignEdge::kRight:
            rect.moveLeft(reference.x() + reference.width() - rect.width());
            if (rect.left() < 0)
                rect.moveLeft(0);
            break;
        case AlignEdge::kTop:
            rect.moveTop(reference.top());
            if (rect.y() + rect.height() > console.height())
                rect.moveTop(console.height() - rect.height());
            break;
        case AlignEdge::kBottom:
            rect.moveTop(reference.y() + reference.height() - rect.height());
            if (rect.top() < 0)
                rect.moveTop(0);
            break;
        }
        control.SetRect(rect);
    }
}

void StandardiseControls(const std::vector<CCtrl__Base *> &selection, SizeFrom what)
{
    if (selection.size() < 2)
        return;
    const QSize size = selection.back()->Rect().size();
    for (std::size_t i = 0; i + 1 < selection.size(); ++i) {
        if (what != SizeFrom::kWidth)
            selection[i]->SetHeight(size.height(), true);
        if (what != SizeFrom::kHeight)
            selection[i]->SetWidth(size.width(), true);
    }
}

void SpreadControls(const std::vector<CCtrl__Base *> &selection, bool vertically)
{
    const int n = int(selection.size());
    if (n < 3)
        return;
    auto start = [&](const CCtrl__Base *c) { return vertically ? c->Rect().y() : c->Rect().x(); };
    auto length = [&](const CCtrl__Base *c) { return vertically ? c->Rect().height() : c->Rect().width(); };
    std::vector<CCtrl__Base *> sorted = selection;
    // Stable: controls starting at the same place keep their selection order.
    std::stable_sort(sorted.begin(), sorted.end(), [&](auto *a, auto *b) { return start(a) < start(b); });
    int first = start(sorted.front());
    int last = first;
    int total = 0;
    for (const CCtrl__Base *control : sorted) {
        last = std::max(last, start(control) + length(control));
        total += length(control);
    }
    const int gap = (last - total - first) / (n - 1);
    int next = start(sorted.front()) + length(sorted.front()) + gap;
    for (int i = 1; i < n; ++i) {
        QRect rect = sorted[std::size_t(i)]->Rect();
        if (vertically)
            rect.moveTop(next);
        else
            rect.moveLeft(next);
        sorted[std::size_t(i)]->SetRect(rect);
        next += length(sorted[std::size_t(i)]) + gap;
    }
}

} // namespace dataConsole
