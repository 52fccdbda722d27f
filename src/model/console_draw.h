// Drawing a whole console: its background, its pictures, its controls and then its labels.
// The editing canvas draws these layers with its grid and selection frames between them; the
// preview, printing, thumbnails and korvane-cli draw the surface alone through RenderConsole.
#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace dataConsole {

class CConsoleData;

// Fills the console's rectangle (its size at `zoom`, at the canvas margin) with the
// background colour, then, when the console shows a background image and one is given,
// stretches that image over it.
void DrawConsoleBackground(QPainter &painter, const CConsoleData &console, float zoom, const QImage *backgroundImage);
// Each picture at its rectangle (at its zoom); a picture whose file could not be read shows
// the placeholder stretched over its rectangle.
void DrawConsolePictures(QPainter &painter, const CConsoleData &console);
// Every control but the labels, in list order, then every label, so that labels lie above.
// Controls wholly outside `exposed` (when given) are skipped: a window repaints only what
// was uncovered or changed.
void DrawConsoleControls(QPainter &painter, CConsoleData &console, bool live, const QRect &exposed = QRect());
// The small picture that stands for a missing picture file.
const QImage &PicturePlaceholder();

// The whole surface at `zoom`, in window pixels (the console's corner at the margin), the
// controls drawn at that zoom as they play (`live`) or at rest, and given back their own zoom
// and window after. Controls wholly outside `exposed` (when given) are skipped.
void DrawConsoleSurface(QPainter &painter, CConsoleData &console, float zoom, const QImage *backgroundImage, bool live,
                        const QRect &exposed = QRect());

// The console surface alone (no margin) at `zoom`, as the preview shows it: trunc(width ·
// zoom) by trunc(height · zoom) pixels. The controls are drawn at that zoom and then given
// back their own zoom and window.
QImage RenderConsole(CConsoleData &console, float zoom, const QImage *backgroundImage, bool live = true);

} // namespace dataConsole
