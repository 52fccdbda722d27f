// An endless wheel on the console.
#pragma once

#include "model/ctrl_base.h"

namespace dataConsole {

// A wheel: turning it shows the next image of its strip and sends its increment or its
// decrement binding, which wheels alone write.
class CCtrl_Wheel final : public CCtrl__Base
{
public:
    // The frames of the default look.
    static constexpr int kDefaultImageCount = 18;

    CCtrl_Wheel(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    // Brings the value into the strip (wrapping either way), shows that image and returns
    // the number of whole turns.
    int SetValue(int value) override;
    int GetValue() const override { return m_imageIndex; }
    // The image shown, whatever the value.
    int ValueToPosition(int) const override { return m_imageIndex; }
    // The images of the strip: the design's, or the default look's.
    int ImageCount() const;

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
    QSize DesignImageSize(const CDataCCD &design) const override;

private:
    int m_imageIndex = 0;
};

} // namespace dataConsole
