// The two pads of fixed look: the colour mixer and the pan/tilt pad.
#pragma once

#include <vector>

#include "model/ctrl_base.h"

namespace dataConsole {

// A colour mixer: its value is a 24-bit colour, stored as given. It has no design.
class CCtrl_Trichro final : public CCtrl__Base
{
public:
    CCtrl_Trichro(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    void SetDesign(CDataCCD *) override {}

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
};

// A pan/tilt pad: a pan value and a tilt value per group index. It has no design.
class CCtrl_PanTilt final : public CCtrl__Base
{
public:
    CCtrl_PanTilt(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    void SetDesign(CDataCCD *) override {}
    // The tilt value of the current group index; SetValue and GetValue are the pan's.
    void SetSecondValue(int value) override;
    int GetSecondValue() const;

private:
    std::vector<int> m_tilt;

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
};

} // namespace dataConsole
