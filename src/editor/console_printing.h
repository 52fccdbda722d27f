// Printing a console: the surface as the preview shows it, as large as the page allows.
#pragma once

#include <QImage>

class QPrinter;

namespace dataConsole {
class CConsoleData;
}

namespace korvane {

// Draws the console onto the printer's page, scaled to fit it and centred, keeping its
// proportions. False when the printer cannot be drawn on.
bool PrintConsole(QPrinter &printer, const dataConsole::CConsoleData &console, const QImage *background);

} // namespace korvane
