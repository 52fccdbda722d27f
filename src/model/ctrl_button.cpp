// Push buttons.
#include "model/ctrl_button.h"

#include "design/data_ccd.h"

namespace dataConsole {

CCtrl_Button::CCtrl_Button(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent)
    : CCtrl__Base(kCtrlButton, console, parent)
{
    Construct(element);
}

QSize CCtrl_Button::DesignImageSize(const CDataCCD &design) const
{
    return design.button.Size();
}

void CCtrl_Button::CopyFrom(const CCtrl__Base &other)
{
    CCtrl__Base::CopyFrom(other);
    const auto *button = dynamic_cast<const CCtrl_Button *>(&other);
    if (!button)
        return;
    // The flags come over for every index the other button has, as they go together.
    const CBindingSets &from = button->Bindings();
    GrowGroupIndexes(from.Count());
    for (int i = 0; i < from.Count(); ++i) {
        m_bindings[i].pushButton = from[i].pushButton;
        m_bindings[i].ignoreZero = from[i].ignoreZero;
    }
}

void CCtrl_Button::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kButton);
}

void CCtrl_Button::LoadXml(const CXmlNode &element)
{
    m_bindings.Load(element, BindingReadCount(), BindingStyle::kButton);
}

} // namespace dataConsole
