// Groups of buttons and increment/decrement groups.
#include "model/ctrl_groups.h"

#include "design/data_ccd.h"

namespace dataConsole {

namespace {

constexpr char kModeIncDec[] = "GroupModeIncDec";
constexpr char kSendChildFeedback[] = "GroupSendChildFeedback";

} // namespace

// ---- group of buttons

CCtrl_GroupButtons::CCtrl_GroupButtons(CConsoleData *console, const CXmlNode *element)
    : CCtrl__Base(kCtrlGroupButtons, console, nullptr)
{
    Construct(element);
}

QSize CCtrl_GroupButtons::DesignImageSize(const CDataCCD &design) const
{
    return design.groupButtons.Size();
}

int CCtrl_GroupButtons::PageCount() const
{
    return Design() ? Design()->groupButtons.ButtonCount() : 0;
}

void CCtrl_GroupButtons::SetDesign(CDataCCD *design)
{
    CCtrl__Base::SetDesign(design);
    RebuildButtons();
    GrowGroupIndexes(PageCount());
}

void CCtrl_GroupButtons::RebuildButtons()
{
    m_buttons.clear();
    for (int i = 0; i < PageCount(); ++i) {
        const CDataCCD::CGroupButtons::CBut &but = *Design()->groupButtons.Button(i);
        auto button = std::make_unique<CCtrl_Button>(nullptr, nullptr, nullptr);
        button->SetRect(but.button);
        button->SetImageOffset(but.image.topLeft() - but.button.topLeft());
        button->SetImageSize(but.image.size());
        button->SetTextRect(but.label.translated(-but.button.topLeft()));
        m_buttons.push_back(std::move(button));
    }
}

int CCtrl_GroupButtons::SetValue(int value)
{
    const int count = PageCount();
    if (count == 0)
        return m_selected;
    if (value < 0 || value >= count)
        value = 0;
    m_selected = value;
    CCtrl__Base::SetValue(value);
    return value;
}

void CCtrl_GroupButtons::LoadXml(const CXmlNode &element)
{
    m_bindings.Load(element, BindingReadCount(), BindingStyle::kGroup);
}

void CCtrl_GroupButtons::SaveXml(CXmlNode &parent, const CCtrlList &controls) const
{
    SaveContained(SaveElementWithBindings(parent, BindingStyle::kGroup), controls);
}

// ---- increment/decrement group

CCtrl_GroupIncDec::CCtrl_GroupIncDec(CConsoleData *console, const CXmlNode *element)
    : CCtrl__Base(kCtrlGroupIncDec, console, nullptr)
{
    Construct(element);
}

void CCtrl_GroupIncDec::ReadOwnAttributes(const CXmlNode &element)
{
    m_modeIncDec = element.GetAttributeInt(kModeIncDec, 0) == 1;
    m_sendChildFeedback = element.GetAttributeInt(kSendChildFeedback, 0) == 1;
}

QSize CCtrl_GroupIncDec::DesignImageSize(const CDataCCD &design) const
{
    return design.groupIncDec.Size();
}

int CCtrl_GroupIncDec::PageCount() const
{
    return Design() ? Design()->groupIncDec.displayImageCount : 0;
}

void CCtrl_GroupIncDec::SetDesign(CDataCCD *design)
{
    CCtrl__Base::SetDesign(design);
    GrowGroupIndexes(PageCount());
}

int CCtrl_GroupIncDec::SetValue(int value)
{
    const long long count = PageCount();
    if (count <= 0)
        return m_current;
    long long wrapped = value;
    if (wrapped < 0)
        wrapped += count * ((-wrapped + count - 1) / count);
    m_current = int(wrapped % count);
    CCtrl__Base::SetValue(m_current);
    return m_current;
}

void CCtrl_GroupIncDec::LoadXml(const CXmlNode &element)
{
    m_bindings.Load(element, BindingReadCount(), BindingStyle::kGroup);
}

void CCtrl_GroupIncDec::SaveXml(CXmlNode &parent, const CCtrlList &controls) const
{
    CXmlNode &element = AddElement(parent);
    SaveSharedAttributes(element);
    if (m_modeIncDec)
        element.AddAttributeInt(kModeIncDec, 1);
    if (m_sendChildFeedback)
        element.AddAttributeInt(kSendChildFeedback, 1);
    m_bindings.Save(element, BindingStyle::kGroup);
    SaveContained(element, controls);
}

} // namespace dataConsole

