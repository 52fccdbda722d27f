// The drawing kit of the sample artwork: one dark-stage palette and the few shapes every
// control image is made of (keys, LEDs, grooves, metal caps, engraved text).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <string>

namespace samples {

// Colours shared by every image, so that designs from different files sit well together on
// one console.
namespace palette {
inline const QColor kStage{0x17, 0x18, 0x1c};     // the console surface
inline const QColor kPanel{0x24, 0x26, 0x2c};     // raised plates
inline const QColor kPanelEdge{0x3b, 0x3f, 0x48}; // their lit upper edge
inline const QColor kRecess{0x0b, 0x0c, 0x0e};    // grooves, wells, windows
inline const QColor kKeyTop{0x4b, 0x4f, 0x58};    // an unlit key, top of its gradient
inline const QColor kKeyBottom{0x2a, 0x2d, 0x33};
inline const QColor kMarking{0xb4, 0xba, 0xc4};   // scales and engraved text
inline const QColor kMarkingDim{0x6c, 0x72, 0x7c};
inline const QColor kAmber{0xff, 0xa9, 0x33};
inline const QColor kGreen{0x3d, 0xdc, 0x84};
inline const QColor kRed{0xff, 0x4d, 0x4d};
inline const QColor kBlue{0x4d, 0xa6, 0xff};
inline const QColor kWarmWhite{0xff, 0xf1, 0xd0}; // light through a gobo
} // namespace palette

// A transparent image to paint on.
QImage NewImage(int width, int height);
// A painter with antialiasing for shapes and text.
void PreparePainter(QPainter &painter);
// Saves `image` as PNG in `folder` and returns its file name as design files store it.
// Throws std::runtime_error when the file cannot be written.
std::string SavePng(const QImage &image, const QString &folder, const QString &fileName);
// The images side by side, as the strip of a wheel or of a display is stored.
QImage Strip(const QList<QImage> &frames);

// A soft copy of `image`, for glows: shrunk by `factor` and stretched back with smoothing.
QImage Blurred(const QImage &image, int factor);

// Bold Liberation Sans, the face the editor writes labels with, at a pixel size.
QFont ArtFont(qreal pixelSize, int weight = QFont::Bold);
// `a` blended towards `b` by `t` (0 to 1).
QColor Mix(const QColor &a, const QColor &b, qreal t);

// A raised plate with a lit top edge and a dark outline.
void DrawPlate(QPainter &painter, const QRectF &rect, qreal radius);
// A recessed well: darker than the plate, shadowed at the top, lit at the bottom edge.
void DrawWell(QPainter &painter, const QRectF &rect, qreal radius);
// A key cap. `lit` tints the face with `glow` and lowers it as a pressed key; `face` is the
// colour of the cap when it is not lit (the usual grey when invalid).
void DrawKey(QPainter &painter, const QRectF &rect, qreal radius, bool lit, const QColor &glow,
             const QColor &face = QColor());
// An LED: dark tinted glass when off, a bright dot with a halo when lit.
void DrawLed(QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour, bool lit);
// The same as a short bar.
void DrawLedBar(QPainter &painter, const QRectF &rect, const QColor &colour, bool lit);
// A soft glow of `colour` spreading `spread` pixels around `rect`.
void DrawGlow(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour, qreal spread);
// Text centred in `rect`, with a one-pixel shadow under it as if engraved.
void DrawEngraved(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
                  const QColor &colour, int flags = Qt::AlignCenter);
// A fader slot: a dark channel with a shadowed inside, vertical when taller than wide.
void DrawGroove(QPainter &painter, const QRectF &rect);
// A fader cap of brushed metal with ribs and an index line of `index` across its middle,
// the line running across the travel (horizontal for a vertical fader).
void DrawFaderCap(QPainter &painter, const QRectF &rect, bool vertical, const QColor &index);
// A round-headed screw.
void DrawScrew(QPainter &painter, const QPointF &centre, qreal radius);

} // namespace samples
