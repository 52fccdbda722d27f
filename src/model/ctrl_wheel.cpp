// Wheels.
#include "model/ctrl_wheel.h"

#include "design/data_ccd.h"

namespace dataConsole {

CCtrl_Wheel::CCtrl_Wheel(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent)
    : CCtrl__Base(kCtrlWheel, console, parent)
{
    Construct(element);
}

QSize CCtrl_Wheel::DesignImageSize(const CDataCCD &design) const
{
    return design.wheel.Size();
}

int CCtrl_Wheel::ImageCount() const
{
    // A design without a strip is drawn in the default look, so it turns like it.
    const int count = Design() ? Design()->wheel.imageCount : 0;
    return count > 0 ? count : kDefaultImageCount;
}

int CCtrl_Wheel::SetValue(int value)
{
    const long long count = ImageCount();
    long long wrapped = value;
    if (wrapped < 0)
        wrapped += count * ((-wrapped + count - 1) / count);
    m_imageIndex = int(wrapped % count);
    return int(wrapped / count);
}

void CCtrl_Wheel::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    CXmlNode &element = AddElement(parent);
    SaveSharedAttributes(element);
    m_bindings.Save(element, BindingStyle::kWheel);
}

} // namespace dataConsole
