// Printing consoles.
#include "editor/console_printing.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/zoom.h"

namespace korvane {

bool PrintConsole(QPrinter &printer, const dataConsole::CConsoleData &console, const QImage *background)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF surface(std::max(1, console.settings.width), std::max(1, console.settings.height));
    const double scale = std::min(page.width() / surface.width(), page.height() / surface.height());
    // Rendered at the page's own resolution, so faders' scales and texts print sharp; the
    // editor's zoom range bounds it.
    const float zoom = dataConsole::ClampZoom(float(scale));
    const QImage image = dataConsole::RenderConsole(console, zoom, background);
    const QSizeF printed = surface * scale;
    const QRectF target(QPointF((page.width() - printed.width()) / 2, (page.height() - printed.height()) / 2), printed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

} // namespace korvane
