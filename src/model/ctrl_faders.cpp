// Horizontal, vertical and rotary faders.
#include "model/ctrl_faders.h"

#include <algorithm>

#include "design/data_ccd.h"
#include "design/draw_geometry.h"

namespace dataConsole {

namespace {

constexpr int kValueMax = 127;

// The degrees one value step turns the pointer. Kept in double precision: the pointer
// angles consoles have always shown depend on it.
double DegreesPerStep(int angleMin, int angleMax)
{
    return (angleMin - angleMax + 360) / double(kValueMax);
}

} // namespace

// ---- linear

CCtrl_FaderLinear::CCtrl_FaderLinear(int kind, CConsoleData *console, CCtrl__Base *parent)
    : CCtrl__Base(kind, console, parent)
{
}

CCtrl_FaderHorz::CCtrl_FaderHorz(CConsoleData *console, const CXmlNode *element,
                                 CCtrl__Base *parent)
    : CCtrl_FaderLinear(kCtrlFaderHorz, console, parent)
{
    Construct(element);
}

CCtrl_FaderVert::CCtrl_FaderVert(CConsoleData *console, const CXmlNode *element,
                                 CCtrl__Base *parent)
    : CCtrl_FaderLinear(kCtrlFaderVert, console, parent)
{
    Construct(element);
}

QSize CCtrl_FaderLinear::DesignImageSize(const CDataCCD &design) const
{
    return IsVertical() ? design.sliderVert.BackgroundSize(true) : design.sliderHorz.BackgroundSize(false);
}

int CCtrl_FaderLinear::Travel() const
{
    const QRect image(QPoint(0, 0), StoredImageSize());
    if (IsVertical())
        return Design() ? SliderTravelVert(image, Design()) : image.height();
    return Design() ? SliderTravelHorz(image, Design()) : image.width();
}

int CCtrl_FaderLinear::ValueToPosition(int value) const
{
    return ScaleValue(0, Travel(), value, 0, kValueMax);
}

int CCtrl_FaderLinear::PositionToValue(int position) const
{
    return ScaleValue(0, kValueMax, position, 0, Travel());
}

int CCtrl_FaderLinear::SetValue(int value)
{
    return CCtrl__Base::SetValue(PositionToValue(ValueToPosition(value)));
}

void CCtrl_FaderLinear::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

// ---- rotary

CCtrl_FaderRotary::CCtrl_FaderRotary(CConsoleData *console, const CXmlNode *element,
                                     CCtrl__Base *parent)
    : CCtrl__Base(kCtrlFaderRotary, console, parent)
{
    Construct(element);
}

QSize CCtrl_FaderRotary::DesignImageSize(const CDataCCD &design) const
{
    return design.rotary.DialSize();
}

int CCtrl_FaderRotary::AngleMin() const
{
    return Design() ? Design()->rotary.angleMin : kDefaultAngleMin;
}

int CCtrl_FaderRotary::AngleMax() const
{
    return Design() ? Design()->rotary.angleMax : kDefaultAngleMax;
}

int CCtrl_FaderRotary::ValueToPosition(int value) const
{
    const int angleMin = AngleMin();
    const int angleMax = AngleMax();
    if (value == 0)
        return angleMin;
    if (value == kValueMax)
        return angleMax;
    return static_cast<int>(angleMin - DegreesPerStep(angleMin, angleMax) * value);
}

int CCtrl_FaderRotary::PositionToValue(int angle) const
{
    const int angleMin = AngleMin();
    const int angleMax = AngleMax();
    if (angle == angleMin)
        return 0;
    if (angle == angleMax)
        return kValueMax;
    const double step = DegreesPerStep(angleMin, angleMax);
    // A design whose angles leave no room to turn has no value but 0 between them.
    if (step == 0)
        return 0;
    // The turn from the minimum, clockwise round the circle: a dial reports 0..359, while the
    // values past 0 degrees point at angles below 0. An angle in the gap between the two ends
    // counts as the nearer end.
    const int sweep = angleMin - angleMax + 360;
    const int turned = ((angleMin - angle) % 360 + 360) % 360;
    if (turned >= sweep)
        return turned - sweep < 360 - turned ? kValueMax : 0;
    return std::min(kValueMax, static_cast<int>(turned / step));
}

void CCtrl_FaderRotary::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

} // namespace dataConsole
