// A text label on the console.
#pragma once

#include "model/ctrl_base.h"

namespace dataConsole {

// A text written in the control's rectangle, aligned by "TAlignX" and "TAlignY". It has no
// image and no bindings of its own beyond its texts, one per group index.
class CCtrl_Label final : public CCtrl__Base
{
public:
    CCtrl_Label(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    QSize GetImageSize() const override { return Rect().size(); }
    // A label's alignments place its text, not an image.
    void SetTAlignX(int value) override { m_tAlignX = value; }
    void SetTAlignY(int value) override { m_tAlignY = value; }
    // The label's frame when it has one, then its text in the rectangle.
    bool Draw(QPainter &painter, const CDrawContext &context) const override;
};

} // namespace dataConsole
