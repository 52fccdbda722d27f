// The routines that paint a control from its design, or in the default look when the design
// lacks what the routine needs. The console, the preview, the design editor and the live
// widgets all draw through these.
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>

class QImage;
class QPainter;

namespace dataConsole {

class CDataCCD;

namespace DrawHelper {
struct CDefaultLookImage;
class CDefaultLook;
} // namespace DrawHelper

using DrawHelper::CDefaultLookImage;

// Colours of the parts drawn without images.
inline constexpr QRgb kRotaryPointerColour = qRgb(212, 212, 218);
inline constexpr QRgb kFramedPartColour = qRgb(0, 0, 255);
// Pan and tilt run over the MIDI range.
inline constexpr int kPanTiltMaximum = 127;

// A single button, or button `index` of a button group (`inGroup`).
void DrawButton(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                QColor colour, bool on, bool inGroup, int index);
void DrawSliderHorz(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                    QColor colour, int position);
// Position 0 is at the bottom.
void DrawSliderVert(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                    QColor colour, int position);
void DrawRotary(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                QColor colour, double angle);
// `defaultImages`: the background, then the 18 frames of the default wheel.
void DrawWheel(QPainter &painter, const QRect &rect, const CDataCCD *design, const QList<QImage> *defaultImages,
               QColor colour, int index);
// `framed`: the button drawn with a selection frame, -1 for none.
void DrawGroupButtons(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                      int pressed, int framed);
// `framed`: 0 the increment button, 1 the decrement button, 2 the display, -1 none.
void DrawGroupIncDec(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                     int displayIndex, int framed);
// `position`: the puck in pixels of the pad, or negative coordinates to place it from the values.
void DrawPanTilt(QPainter &painter, const QRect &rect, int pan, int tilt, QPoint position, QColor colour,
                 const DrawHelper::CDefaultLook *look);
// `colour`: a 24-bit value, red in the low byte.
void DrawTrichro(QPainter &painter, const QRect &rect, quint32 colour, const DrawHelper::CDefaultLook *look);

// The pad of the pan/tilt control inside its rectangle (the captions sit below it).
QRect PanTiltPad(const QRect &rect);
// The colour mixer's disc and value bar inside its rectangle.
struct CTrichroLayout
{
    QPoint centre;  // of the hue/saturation disc
    int radius;     // of the disc
    QRect bar;      // the value bar at the right
};
CTrichroLayout TrichroLayout(const QRect &rect);
// The 24-bit colour (red in the low byte) of hue 0..359, saturation and value 0..255, built
// in six sectors of 60 degrees with every term truncated to a byte.
quint32 TrichroColour(int hue, int saturation, int value);

} // namespace dataConsole
