#include "design/draw_geometry.h"

#include "design/data_ccd.h"

namespace dataConsole {

namespace {

// The length left for a cursor along one axis of `length` pixels, drawn from a background
// `backgroundLength` long. A background without extent is drawn at its own scale.
int Travel(int length, int backgroundLength, int cursorLength, int offset)
{
    const float scale = backgroundLength > 0 ? float(length) / float(backgroundLength) : 1.0f;
    return static_cast<int>(float(length) - float(cursorLength) * scale - 2.0f * float(offset) * scale);
}

} // namespace

int SliderTravelHorz(const QRect &rect, const CDataCCD *design)
{
    if (!design)
        return rect.width();
    const CDataCCD::CSlider &slider = design->sliderHorz;
    return Travel(rect.width(), slider.BackgroundSize(false).width(), slider.CursorSize(false).width(),
                  slider.offsetX);
}

int SliderTravelVert(const QRect &rect, const CDataCCD *design)
{
    if (!design)
        return rect.height();
    const CDataCCD::CSlider &slider = design->sliderVert;
    return Travel(rect.height(), slider.BackgroundSize(true).height(), slider.CursorSize(true).height(),
                  slider.offsetY);
}

int ScaleValue(int outMin, int outMax, int value, int inMin, int inMax)
{
    if (inMax == inMin || value <= inMin)
        return outMin;
    if (value >= inMax)
        return outMax;
    return static_cast<int>(float(outMax - outMin) / float(inMax - inMin) * float(value - inMin) + float(outMin));
}

} // namespace dataConsole
