// The console canvas's painting: the surface, the grid, the selection frames and the band.
#include <QPaintEvent>
#include <QPainter>

#include "editor/ctrl_console.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/korvane_doc.h"

namespace korvane {

using dataConsole::CCtrl__Base;
namespace DrawHelper = dataConsole::DrawHelper;

QRect CCtrlConsole::Surface() const
{
    const auto &settings = m_doc->Console().settings;
    return QRect(QPoint(dataConsole::kCanvasMargin, dataConsole::kCanvasMargin),
                 dataConsole::Zoomed(QSize(settings.width, settings.height), m_zoom));
}

int CCtrlConsole::HandleMask(const CCtrl__Base &control) const
{
    // All eight handles only for a single selected control that nothing locks.
    const bool single = m_doc->Selection().size() == 1;
    const bool locked = control.IsLocked() || IsConsoleLocked();
    return single && !locked ? DrawHelper::kAllHandles : DrawHelper::kNoHandles;
}

DrawHelper::CCadreSelect CCtrlConsole::SelectionFrameOf(const CCtrl__Base &control) const
{
    return DrawHelper::RecordedSelectionFrame(DrawContext().Scaled(control.Rect()), HandleMask(control));
}

int CCtrlConsole::ConsoleHandleMask() const
{
    return IsConsoleLocked() ? DrawHelper::kNoHandles : DrawHelper::kConsoleHandles;
}

DrawHelper::CCadreSelect CCtrlConsole::ConsoleFrame() const
{
    // The console frame shows (and answers) only while nothing is selected.
    if (!m_doc || !m_doc->Selection().empty())
        return {};
    return DrawHelper::RecordedSelectionFrame(Surface(), ConsoleHandleMask());
}

void CCtrlConsole::DrawGrid(QPainter &painter, const QRect &exposed) const
{
    const auto &settings = m_doc->Console().settings;
    const int minor = settings.gridSubStep;
    const int major = settings.gridStep;
    if (minor <= 0 && major <= 0)
        return;
    const QColor colour = dataConsole::QColorOf(settings.gridColor);
    const QRect surface = Surface();
    // Dotted lines (every second pixel) are copied from one prepared column and one row
    // rather than stroked with a dash pattern: a console's grid is hundreds of lines.
    const QRect visible = surface.intersected(exposed);
    if (visible.isEmpty())
        return;
    QImage column(1, visible.height(), QImage::Format_ARGB32_Premultiplied);
    QImage row(visible.width(), 1, QImage::Format_ARGB32_Premultiplied);
    column.fill(Qt::transparent);
    row.fill(Qt::transparent);
    for (int y = visible.top() + (visible.top() & 1); y <= visible.bottom(); y += 2)
        column.setPixelColor(0, y - visible.top(), colour);
    for (int x = visible.left() + (visible.left() & 1); x <= visible.right(); x += 2)
        row.setPixelColor(x - visible.left(), 0, colour);
    // Minor lines dotted where no major one falls, then every major line solid: the two steps
    // need not divide each other.
    auto isMajor = [&](int units) { return major > 0 && units % major == 0; };
    for (int units = minor; minor > 0 && units < settings.width; units += minor) {
        const int x = surface.left() + dataConsole::Zoomed(units, m_zoom);
        if (!isMajor(units) && x >= visible.left() && x <= visible.right())
            painter.drawImage(x, visible.top(), column);
    }
    for (int units = minor; minor > 0 && units < settings.height; units += minor) {
        const int y = surface.top() + dataConsole::Zoomed(units, m_zoom);
        if (!isMajor(units) && y >= visible.top() && y <= visible.bottom())
            painter.drawImage(visible.left(), y, row);
    }
    for (int units = major; major > 0 && units < settings.width; units += major) {
        const int x = surface.left() + dataConsole::Zoomed(units, m_zoom);
        if (x >= visible.left() && x <= visible.right())
            painter.fillRect(QRect(x, visible.top(), 1, visible.height()), colour);
    }
    for (int units = major; major > 0 && units < settings.height; units += major) {
        const int y = surface.top() + dataConsole::Zoomed(units, m_zoom);
        if (y >= visible.top() && y <= visible.bottom())
            painter.fillRect(QRect(visible.left(), y, visible.width(), 1), colour);
    }
}

void CCtrlConsole::DrawSelection(QPainter &painter) const
{
    const std::vector<CCtrl__Base *> &selection = m_doc->Selection();
    const dataConsole::CDrawContext context = DrawContext();
    for (const CCtrl__Base *control : selection) {
        DrawHelper::DrawSelectionFrame(painter, context.Scaled(control->Rect()), control == selection.back(),
                                       HandleMask(*control), nullptr);
    }
}

void CCtrlConsole::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_workspace);
    if (!m_doc)
        return;
    const dataConsole::CDrawContext context = DrawContext();
    const dataConsole::CConsoleData &console = m_doc->Console();
    dataConsole::DrawConsoleBackground(painter, console, context, m_background);
    dataConsole::DrawConsolePictures(painter, console, context);
    DrawGrid(painter, event->rect());
    dataConsole::DrawConsoleControls(painter, console, context, event->rect());
    DrawSelection(painter);
    if (m_doc->Selection().empty())
        DrawHelper::DrawSelectionFrame(painter, Surface(), false, ConsoleHandleMask(), nullptr);
    if (m_hasBand) {
        QPen pen(palette().color(QPalette::Text), 1, Qt::CustomDashLine);
        pen.setDashPattern({1, 1});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(m_bandStart, m_bandEnd).normalized());
    }
}

} // namespace korvane
