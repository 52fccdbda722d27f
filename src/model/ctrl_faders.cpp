// Horizontal, vertical and rotary faders.
#include "model/ctrl_faders.h"

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

// ---- horizontal

CCtrl_FaderHorz::CCtrl_FaderHorz(CConsoleData *console, CCtrlHost *host, const CXmlNode *element,
                                 CCtrl__Base *parent)
    : CCtrl__Base(kCtrlFaderHorz, console, host, parent)
{
    Construct(element);
}

QSize CCtrl_FaderHorz::DesignImageSize(const CDataCCD &design) const
{
    return design.sliderHorz.BackgroundSize(false);
}

int CCtrl_FaderHorz::Travel() const
{
    const QSize image = StoredImageSize();
    return Design() ? SliderTravelHorz(QRect(QPoint(0, 0), image), Design()) : image.width();
}

int CCtrl_FaderHorz::ValueToPosition(int value) const
{
    return ScaleValue(0, Travel(), value, 0, kValueMax);
}

int CCtrl_FaderHorz::PositionToValue(int position) const
{
    return ScaleValue(0, kValueMax, position, 0, Travel());
}

int CCtrl_FaderHorz::SetValue(int value)
{
    return CCtrl__Base::SetValue(PositionToValue(ValueToPosition(value)));
}

void CCtrl_FaderHorz::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

// ---- vertical

CCtrl_FaderVert::CCtrl_FaderVert(CConsoleData *console, CCtrlHost *host, const CXmlNode *element,
                                 CCtrl__Base *parent)
    : CCtrl__Base(kCtrlFaderVert, console, host, parent)
{
    Construct(element);
}

QSize CCtrl_FaderVert::DesignImageSize(const CDataCCD &design) const
{
    return design.sliderVert.BackgroundSize(true);
}

int CCtrl_FaderVert::Travel() const
{
    const QSize image = StoredImageSize();
    return Design() ? SliderTravelVert(QRect(QPoint(0, 0), image), Design()) : image.height();
}

int CCtrl_FaderVert::ValueToPosition(int value) const
{
    return ScaleValue(0, Travel(), value, 0, kValueMax);
}

int CCtrl_FaderVert::PositionToValue(int position) const
{
    return ScaleValue(0, kValueMax, position, 0, Travel());
}

int CCtrl_FaderVert::SetValue(int value)
{
    return CCtrl__Base::SetValue(PositionToValue(ValueToPosition(value)));
}

void CCtrl_FaderVert::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

// ---- rotary

CCtrl_FaderRotary::CCtrl_FaderRotary(CConsoleData *console, CCtrlHost *host, const CXmlNode *element,
                                     CCtrl__Base *parent)
    : CCtrl__Base(kCtrlFaderRotary, console, host, parent)
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
    return step == 0 ? 0 : static_cast<int>((angleMin - angle) / step);
}

void CCtrl_FaderRotary::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

} // namespace dataConsole
