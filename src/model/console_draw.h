// Drawing a whole console: its background, its pictures, its controls and then its labels.
// The editing canvas draws these layers with its grid and selection frames between them; the
// preview, printing, thumbnails and korvane-cli draw the surface alone through RenderConsole.
#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace dataConsole {

class CConsoleData;
struct CDrawContext;

// Fills the console's rectangle (its size at the context's zoom, at its origin) with the
// background colour, then, when the console shows a background image and one is given,
// stretches that image over it.
void DrawConsoleBackground(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                           const QImage *backgroundImage);
// Each picture at its rectangle; a picture whose file could not be read shows the
// placeholder stretched over its rectangle.
void DrawConsolePictures(QPainter &painter, const CConsoleData &console, const CDrawContext &context);
// Every control but the labels, in list order, then every label, so that labels lie above.
// Controls wholly outside `exposed` (when given) are skipped: a window repaints only what
// was uncovered or changed.
void DrawConsoleControls(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                         const QRect &exposed = QRect());
// The small picture that stands for a missing picture file.
const QImage &PicturePlaceholder();

// The whole surface as the context says: background, pictures, then the controls.
void DrawConsoleSurface(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                        const QImage *backgroundImage, const QRect &exposed = QRect());

// The console surface alone (no margin) at `zoom`, as the preview shows it: trunc(width ·
// zoom) by trunc(height · zoom) pixels. With a `pixelRatio` above 1 the same drawing is made
// that many times finer (texts, lines and images at the finer resolution, laid out as at
// ratio 1), for a page printed at a printer's resolution.
QImage RenderConsole(const CConsoleData &console, float zoom, const QImage *backgroundImage, bool live = true,
                     qreal pixelRatio = 1.0);

} // namespace dataConsole
