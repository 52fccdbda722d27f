// Text labels.
#include "model/ctrl_label.h"

#include <string>

namespace dataConsole {

CCtrl_Label::CCtrl_Label(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent)
    : CCtrl__Base(kCtrlLabel, console, parent)
{
    Construct(element);
}

void CCtrl_Label::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    CXmlNode &element = AddElement(parent);
    SaveSharedAttributes(element);
    // Only the texts: a label drives nothing.
    for (int i = 0; i < m_bindings.Count(); ++i) {
        const std::string &label = m_bindings[i].label;
        if (!label.empty())
            element.AddChild("Group" + std::to_string(i))->AddAttribute("label", label);
    }
}

} // namespace dataConsole
