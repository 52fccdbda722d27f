#include "design/draw_geometry.h"

#include <cmath>

#include "design/data_ccd.h"

namespace dataConsole {

namespace {

// Float to integer as the drawing has always done it: toward zero.
int Trunc(float value)
{
    return static_cast<int>(value);
}

// The sizes and offsets of a slider's cursor in design pixels; all zero without a design.
struct CSliderMetrics
{
    QSize background{0, 0};
    QSize cursor{0, 0};
    float offsetX = 0;
    float offsetY = 0;
};

CSliderMetrics SliderMetrics(const CDataCCD *design, bool vertical)
{
    if (!design)
        return {};
    const CDataCCD::CSlider &slider = vertical ? design->sliderVert : design->sliderHorz;
    return {slider.BackgroundSize(vertical), slider.CursorSize(vertical), float(slider.offsetX),
            float(slider.offsetY)};
}

int Clamp(int position, int travel)
{
    if (position < 0)
        return 0;
    return position > travel ? travel : position;
}

} // namespace

CScale ScaleOf(const QRect &rect, QSize imageSize)
{
    CScale scale;
    if (imageSize.width() > 0)
        scale.sx = float(rect.width()) / float(imageSize.width());
    if (imageSize.height() > 0)
        scale.sy = float(rect.height()) / float(imageSize.height());
    return scale;
}

QRect ScaledPart(const QRect &rect, CScale scale, const QRect &part)
{
    return QRect(rect.left() + Trunc(float(part.left()) * scale.sx), rect.top() + Trunc(float(part.top()) * scale.sy),
                 Trunc(float(part.width()) * scale.sx), Trunc(float(part.height()) * scale.sy));
}

int SliderTravelHorz(const QRect &rect, const CDataCCD *design)
{
    const CSliderMetrics m = SliderMetrics(design, false);
    const float sx = ScaleOf(rect, m.background).sx;
    return Trunc(float(rect.width()) - float(m.cursor.width()) * sx - 2.0f * m.offsetX * sx);
}

int SliderTravelVert(const QRect &rect, const CDataCCD *design)
{
    const CSliderMetrics m = SliderMetrics(design, true);
    const float sy = ScaleOf(rect, m.background).sy;
    return Trunc(float(rect.height()) - float(m.cursor.height()) * sy - 2.0f * m.offsetY * sy);
}

int SliderPosFromPointHorz(const QRect &rect, const CDataCCD *design, int x)
{
    const CSliderMetrics m = SliderMetrics(design, false);
    const float sx = ScaleOf(rect, m.background).sx;
    const int position = x - Trunc(m.offsetX * sx + float(m.cursor.width()) * sx * 0.5f);
    return Clamp(position, SliderTravelHorz(rect, design));
}

int SliderPosFromPointVert(const QRect &rect, const CDataCCD *design, int y)
{
    const CSliderMetrics m = SliderMetrics(design, true);
    const float sy = ScaleOf(rect, m.background).sy;
    const int travel = SliderTravelVert(rect, design);
    const int fromTop = y - Trunc(m.offsetY * sy + float(m.cursor.height()) * sy * 0.5f);
    // Moving the mouse up raises the position: 0 is at the bottom.
    return travel - Clamp(fromTop, travel);
}

int HitGroupButton(const QRect &rect, const CDataCCD *design, QPoint point)
{
    if (!design)
        return -1;
    const CDataCCD::CGroupButtons &group = design->groupButtons;
    const CScale scale = ScaleOf(rect, group.Size());
    for (int i = 0; i < group.ButtonCount(); ++i) {
        if (ScaledPart(rect, scale, group.Button(i)->image).contains(point))
            return i;
    }
    return -1;
}

int HitGroupIncDec(const QRect &rect, const CDataCCD *design, QPoint point)
{
    if (!design)
        return -1;
    const CDataCCD::CGroupIncDec &group = design->groupIncDec;
    const CScale scale = ScaleOf(rect, group.Size());
    const CMyImageManagerExternFile &images = design->ImageManager();
    auto holds = [&](int x, int y, unsigned image) {
        return ScaledPart(rect, scale, QRect(QPoint(x, y), images.ImageSize(image))).contains(point);
    };
    if (holds(group.incX, group.incY, ccdImage::kIncOff))
        return 0;
    if (holds(group.decX, group.decY, ccdImage::kDecOff))
        return 1;
    return -1;
}

int ScaleValue(int outMin, int outMax, int value, int inMin, int inMax)
{
    if (inMax == inMin || value <= inMin)
        return outMin;
    if (value >= inMax)
        return outMax;
    return Trunc(float(outMax - outMin) / float(inMax - inMin) * float(value - inMin) + float(outMin));
}

CPolarOffset PolarPoint(double angle, double radius)
{
    const float radians = float(angle / kDegreesPerRadianIn);
    return {std::cos(radians) * float(radius), -std::sin(radians) * float(radius)};
}

} // namespace dataConsole
