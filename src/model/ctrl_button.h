// A push button on the console.
#pragma once

#include "model/ctrl_base.h"

namespace dataConsole {

// A button: on or off, with a push-button ("poussoir") and an ignore-zero flag per group
// index beside its bindings.
class CCtrl_Button final : public CCtrl__Base
{
public:
    CCtrl_Button(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent);

    void CopyFrom(const CCtrl__Base &other) override;
    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    void LoadXml(const CXmlNode &element) override;
    // 1 for any value from 1, else 0.
    int ValueToPosition(int value) const override { return value >= 1 ? 1 : 0; }
    // 127 for any position but 0.
    int PositionToValue(int position) const override { return position != 0 ? 127 : 0; }
    // 1 while the stored value is above 0, else 0.
    int GetValue() const override { return CCtrl__Base::GetValue() > 0 ? 1 : 0; }

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
    QSize DesignImageSize(const CDataCCD &design) const override;
};

} // namespace dataConsole
