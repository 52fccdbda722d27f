// Colour mixers and pan/tilt pads.
#include "model/ctrl_pads.h"

namespace dataConsole {

CCtrl_Trichro::CCtrl_Trichro(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent)
    : CCtrl__Base(kCtrlTrichro, console, parent)
{
    Construct(element);
}

void CCtrl_Trichro::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

CCtrl_PanTilt::CCtrl_PanTilt(CConsoleData *console, const CXmlNode *element, CCtrl__Base *parent)
    : CCtrl__Base(kCtrlPanTilt, console, parent)
{
    Construct(element);
}

void CCtrl_PanTilt::SetSecondValue(int value)
{
    const int index = CurrentIndex();
    if (index < 0 || index >= m_bindings.Count())
        return;
    if (index >= int(m_tilt.size()))
        m_tilt.resize(std::size_t(m_bindings.Count()), 0);
    m_tilt[std::size_t(index)] = value;
}

int CCtrl_PanTilt::GetSecondValue() const
{
    const int index = CurrentIndex();
    return index >= 0 && index < int(m_tilt.size()) ? m_tilt[std::size_t(index)] : 0;
}

void CCtrl_PanTilt::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    SaveElementWithBindings(parent, BindingStyle::kPlain);
}

} // namespace dataConsole
