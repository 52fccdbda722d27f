// The faders of a console: horizontal, vertical and rotary.
#pragma once

#include "model/ctrl_base.h"

namespace dataConsole {

// A linear fader. Its values 0..127 map onto the cursor's travel: the slider design's, or
// the image's length without a design. Position 0 is the left end of a horizontal fader and
// the bottom of a vertical one.
class CCtrl_FaderLinear : public CCtrl__Base
{
public:
    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    int ValueToPosition(int value) const override;
    int PositionToValue(int position) const override;
    // Stores the value the cursor position stands for, so that it lands on a pixel.
    int SetValue(int value) override;
    int Travel() const;
    bool IsVertical() const { return Kind() == kCtrlFaderVert; }

protected:
    CCtrl_FaderLinear(int kind, CConsoleData *console, CCtrl__Base *parent);
    QSize DesignImageSize(const CDataCCD &design) const override;
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
};

class CCtrl_FaderHorz final : public CCtrl_FaderLinear
{
public:
    CCtrl_FaderHorz(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);
};

class CCtrl_FaderVert final : public CCtrl_FaderLinear
{
public:
    CCtrl_FaderVert(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);
};

// A rotary fader: value 0 points at the minimum angle, 127 at the maximum, turning clockwise
// through the angles between (degrees, 0 to the right, counter-clockwise positive).
class CCtrl_FaderRotary final : public CCtrl__Base
{
public:
    // The angles without a design.
    static constexpr int kDefaultAngleMin = 240;
    static constexpr int kDefaultAngleMax = 300;

    CCtrl_FaderRotary(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    // The pointer's angle for a value.
    int ValueToPosition(int value) const override;
    // The value for a pointer angle.
    int PositionToValue(int angle) const override;
    int AngleMin() const;
    int AngleMax() const;

protected:
    QSize DesignImageSize(const CDataCCD &design) const override;
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
};

} // namespace dataConsole
