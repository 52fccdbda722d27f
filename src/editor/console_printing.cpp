// Printing consoles.
#include "editor/console_printing.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/zoom.h"

namespace korvane {

void PaintConsoleOnPage(QPainter &painter, const QRectF &page, const dataConsole::CConsoleData &console,
                        const QImage *background)
{
    const QSizeF surface(std::max(1, console.settings.width), std::max(1, console.settings.height));
    const double scale = std::min(page.width() / surface.width(), page.height() / surface.height());
    // Laid out as at zoom 1, where font sizes hold against the controls, and drawn finer by the
    // page's scale (within the zoom range), so faders' scales and texts print sharp.
    const qreal ratio = std::clamp(scale, 1.0, double(dataConsole::kZoomMax));
    const QImage image = dataConsole::RenderConsole(console, 1.0f, background, true, ratio);
    const QSizeF printed = surface * scale;
    const QRectF target(page.topLeft() + QPointF((page.width() - printed.width()) / 2,
                                                 (page.height() - printed.height()) / 2),
                        printed);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

bool PrintConsole(QPrinter &printer, const dataConsole::CConsoleData &console, const QImage *background)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the paintable area's corner.
    const QSizeF paintable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    PaintConsoleOnPage(painter, QRectF(QPointF(0, 0), paintable), console, background);
    return painter.end();
}

} // namespace korvane
