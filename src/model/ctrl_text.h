// Writing a control's text on the console: the one-line text of the controls, and the
// aligned, wrapped or shortened text of labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace dataConsole {

// Bold Arial (Liberation Sans here, with the same metrics) whose cell (ascent plus
// descent) is `height` pixels, as a font of that height is made on the lighting console.
QFont ControlFont(int height);

// Writes the text of a control that is not a label into `area` (clipped there): on a grey
// field inside a black frame when `drawFrame` is set, else over what lies below; one line,
// centred vertically, centred horizontally when it fits with 4 pixels to spare, else from
// the left. Returns the measured width of the text.
int DrawControlText(QPainter &painter, const QRect &area, const QString &text, int fontHeight, QColor colour,
                    bool drawFrame, int offsetX);

// Writes a label's text in `box` with its horizontal (0 left, 1 right, 2 centre) and vertical
// (0 top, 1 bottom, 2 centre) alignment: too wide for the box, it is shortened with an
// ellipsis, on one line when aligned left or right and wrapped when centred.
void DrawLabelText(QPainter &painter, const QRect &box, const QString &text, int fontHeight, QColor colour,
                   int alignX, int alignY);

} // namespace dataConsole
