// The arithmetic shared by everything that draws or operates a control from a design: slider
// travel, cursor positions from the mouse, hits on group buttons, value scaling, polar points.
// All of it in 32-bit floats truncated toward zero, as console files and the lighting program
// expect pixel for pixel.
#pragma once

#include <QPoint>
#include <QRect>

namespace dataConsole {

class CDataCCD;

// Degrees to radians and back with the factors consoles have always been drawn with (not
// exactly 180/pi), so that pointers land on the same pixels.
inline constexpr double kDegreesPerRadianIn = 57.28922656997943;
inline constexpr double kDegreesPerRadianOut = 57.29579143313326;

// The travel of the cursor of a horizontal / vertical slider drawn in `rect`.
int SliderTravelHorz(const QRect &rect, const CDataCCD *design);
int SliderTravelVert(const QRect &rect, const CDataCCD *design);
// The cursor position for a mouse at `x` (or `y`) relative to the rectangle; the vertical
// position is 0 at the bottom.
int SliderPosFromPointHorz(const QRect &rect, const CDataCCD *design, int x);
int SliderPosFromPointVert(const QRect &rect, const CDataCCD *design, int y);
// The first button of the design's button group whose image rectangle, scaled to `rect`,
// holds `point`; -1 for none.
int HitGroupButton(const QRect &rect, const CDataCCD *design, QPoint point);
// 0 on the increment image, 1 on the decrement image, -1 elsewhere.
int HitGroupIncDec(const QRect &rect, const CDataCCD *design, QPoint point);
// The linear image of `value` from [inMin, inMax] onto [outMin, outMax], clamped, truncated.
int ScaleValue(int outMin, int outMax, int value, int inMin, int inMax);

// A point relative to a centre, in screen orientation (y down), as floats.
struct CPolarOffset
{
    float x;
    float y;
};
// The offset of the point at `angle` degrees (0 right, 90 up) and distance `radius`.
CPolarOffset PolarPoint(double angle, double radius);

// The scale factors of a part whose reference image is `imageSize` drawn into `rect`; 1 where
// the image has no extent.
struct CScale
{
    float sx = 1.0f;
    float sy = 1.0f;
};
CScale ScaleOf(const QRect &rect, QSize imageSize);
// Where `part`, in design pixels of a part drawn into `rect` with `scale`, lands on screen.
QRect ScaledPart(const QRect &rect, CScale scale, const QRect &part);

// Rectangles in the Windows manner, right and bottom exclusive.
inline int RightOf(const QRect &rect) { return rect.x() + rect.width(); }
inline int BottomOf(const QRect &rect) { return rect.y() + rect.height(); }

} // namespace dataConsole
