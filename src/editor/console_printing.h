// Printing a console: the surface as the preview shows it, as large as the page allows.
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;
class QPrinter;

namespace dataConsole {
class CConsoleData;
}

namespace korvane {

// Draws the console into `page` (device pixels of `painter`), scaled to fit it and centred,
// keeping its proportions: the page looks like korvane-cli render, texts included, drawn at
// the page's own resolution.
void PaintConsoleOnPage(QPainter &painter, const QRectF &page, const dataConsole::CConsoleData &console,
                        const QImage *background);
// The same onto the printer's page. False when the printer cannot be drawn on.
bool PrintConsole(QPrinter &printer, const dataConsole::CConsoleData &console, const QImage *background);

} // namespace korvane
