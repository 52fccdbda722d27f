// Reading and writing the group parts of a control design: the +/- group and the button group.
#include "design/data_ccd.h"

#include <algorithm>
#include <cstring>

#include "design/ccd_file_format.h"

namespace dataConsole {

using namespace ccdImage;
using namespace ccdFile;

// ---- groups ----

void CDataCCD::CGroup::LoadBackground(const CXmlNode *element, bool isButtonGroup, const CImageFolders &folders)
{
    LoadImageKey(*element, "Background", isButtonGroup ? kGroupButtonsBackground : kIncDecBackground, 1,
                 backgroundName, folders);
    ReadFlag(*element, "TransparentBackground", transparentBackground);
}

void CDataCCD::CGroup::SetBackgroundImage(bool isButtonGroup, const QString &folder, const std::string &file)
{
    SetImageFile(isButtonGroup ? kGroupButtonsBackground : kIncDecBackground, 1, backgroundName, folder, file);
}

void CDataCCD::CGroupIncDec::Reset()
{
    displayImageCount = displayX = displayY = 0;
    decX = decY = incX = incY = 0;
}

const QImage *CDataCCD::CGroupIncDec::BackgroundImage() const { return Images().Image(kIncDecBackground); }
const QImage *CDataCCD::CGroupIncDec::IncImage(bool on) const { return Images().Image(on ? kIncOn : kIncOff); }
const QImage *CDataCCD::CGroupIncDec::DecImage(bool on) const { return Images().Image(on ? kDecOn : kDecOff); }

const QImage *CDataCCD::CGroupIncDec::DisplayImage(int index) const
{
    return index < 0 ? nullptr : Images().Image(kIncDecDisplay + unsigned(index));
}

QSize CDataCCD::CGroupIncDec::Size() const { return Images().ImageSize(kIncDecBackground); }
QSize CDataCCD::CGroupIncDec::IncSize() const { return m_owner->MaxImageSize({kIncOff, kIncOn}); }
QSize CDataCCD::CGroupIncDec::DecSize() const { return m_owner->MaxImageSize({kDecOff, kDecOn}); }

void CDataCCD::CGroupIncDec::SetIncImage(bool on, const QString &folder, const std::string &file)
{
    SetImageFile(on ? kIncOn : kIncOff, 1, on ? incOnName : incOffName, folder, file);
}

void CDataCCD::CGroupIncDec::SetDecImage(bool on, const QString &folder, const std::string &file)
{
    SetImageFile(on ? kDecOn : kDecOff, 1, on ? decOnName : decOffName, folder, file);
}

void CDataCCD::CGroupIncDec::SetDisplayStrip(const QString &folder, const std::string &file)
{
    SetImageFile(kIncDecDisplay, displayImageCount, displayName, folder, file);
}

bool CDataCCD::CGroupIncDec::Save(CXmlNode *parent) const
{
    if (IsEmpty(Size()))
        return true;
    CXmlNode *element = parent->AddChild(kIncDecElement);
    WriteName(*element, "Background", backgroundName);
    element->AddAttributeBool("TransparentBackground", transparentBackground);

    CXmlNode *display = element->AddChild("Display");
    WriteName(*display, "Images", displayName);
    display->AddAttributeInt("nbImages", displayImageCount);
    display->AddAttributeInt("x", displayX);
    display->AddAttributeInt("y", displayY);

    CXmlNode *inc = element->AddChild("ButtonInc");
    WriteName(*inc, "png", incOffName);
    WriteName(*inc, "png_on", incOnName);
    inc->AddAttributeInt("x", incX);
    inc->AddAttributeInt("y", incY);

    CXmlNode *dec = element->AddChild("ButtonDec");
    WriteName(*dec, "png", decOffName);
    WriteName(*dec, "png_on", decOnName);
    dec->AddAttributeInt("x", decX);
    dec->AddAttributeInt("y", decY);
    return true;
}

void CDataCCD::CGroupIncDec::Load(const CXmlNode *element, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    LoadBackground(element, false, folders);
    if (const CXmlNode *display = element->FindChild("Display")) {
        ReadInt(*display, "nbImages", displayImageCount);
        LoadImageKey(*display, "Images", kIncDecDisplay, displayImageCount, displayName, folders);
        ReadInt(*display, "x", displayX);
        ReadInt(*display, "y", displayY);
    }
    if (const CXmlNode *inc = element->FindChild("ButtonInc")) {
        ReadInt(*inc, "x", incX);
        ReadInt(*inc, "y", incY);
        LoadImageKey(*inc, "png", kIncOff, 1, incOffName, folders);
        LoadImageKey(*inc, "png_on", kIncOn, 1, incOnName, folders);
    }
    if (const CXmlNode *dec = element->FindChild("ButtonDec")) {
        ReadInt(*dec, "x", decX);
        ReadInt(*dec, "y", decY);
        LoadImageKey(*dec, "png", kDecOff, 1, decOffName, folders);
        LoadImageKey(*dec, "png_on", kDecOn, 1, decOnName, folders);
    }
}

// ---- button group ----

namespace {

unsigned GroupButtonImageId(int index, bool on)
{
    return kGroupButtonsFirstButton + 2 * unsigned(index) + (on ? 1 : 0);
}

// Right and bottom follow left and top plus the sizes read; a missing size leaves the right
// or bottom edge at 0, as the file format always has.
QRect ReadButtonZone(const CXmlNode &element)
{
    int left = 0, top = 0, right = 0, bottom = 0, value = 0;
    ReadInt(element, "x", left);
    ReadInt(element, "y", top);
    if (element.GetAttributeInt("cx", &value))
        right = left + value;
    if (element.GetAttributeInt("cy", &value))
        bottom = top + value;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// An offset from the button's corner; 0 where a key is missing.
QPoint ReadOffset(const CXmlNode &element, const char *xKey, const char *yKey)
{
    int dx = 0, dy = 0;
    ReadInt(element, xKey, dx);
    ReadInt(element, yKey, dy);
    return QPoint(dx, dy);
}

// The label takes the button's size unless the file gives its own.
QRect ReadLabelRect(const CXmlNode &element, const QRect &zone)
{
    QRect label = zone.translated(ReadOffset(element, "info_x", "info_y"));
    int value = 0;
    if (element.GetAttributeInt("info_cx", &value))
        label.setWidth(value);
    if (element.GetAttributeInt("info_cy", &value))
        label.setHeight(value);
    return label;
}

} // namespace

const QImage *CDataCCD::CGroupButtons::BackgroundImage() const { return Images().Image(kGroupButtonsBackground); }
QSize CDataCCD::CGroupButtons::Size() const { return Images().ImageSize(kGroupButtonsBackground); }

const CDataCCD::CGroupButtons::CBut *CDataCCD::CGroupButtons::Button(int index) const
{
    return index >= 0 && index < ButtonCount() ? m_buttons[size_t(index)].get() : nullptr;
}

CDataCCD::CGroupButtons::CBut *CDataCCD::CGroupButtons::Button(int index)
{
    return index >= 0 && index < ButtonCount() ? m_buttons[size_t(index)].get() : nullptr;
}

const QImage *CDataCCD::CGroupButtons::ButtonImage(int index, bool on) const
{
    if (!Button(index))
        return nullptr;
    if (const QImage *own = Images().Image(GroupButtonImageId(index, on)))
        return own;
    return Images().Image(on ? kButtonOn : kButtonOff);
}

void CDataCCD::CGroupButtons::SetButtonCount(int count)
{
    while (ButtonCount() < count) {
        auto button = std::make_unique<CBut>();
        if (backgroundName) {
            button->offName.emplace();
            button->onName.emplace();
        }
        m_buttons.push_back(std::move(button));
    }
    while (ButtonCount() > std::max(count, 0))
        m_buttons.pop_back();
}

void CDataCCD::CGroupButtons::SetButtonImage(int index, bool on, const QString &appFolder, const std::string &file,
                                             const QString &designFolder)
{
    CBut *button = Button(index);
    if (!button)
        return;
    ImageName &name = on ? button->onName : button->offName;
    if (name)
        *name = file;
    m_owner->LoadImage(GroupButtonImageId(index, on), 1, file, FoldersOf(appFolder, designFolder));
}

bool CDataCCD::CGroupButtons::Save(CXmlNode *parent) const
{
    if (IsEmpty(Size()))
        return true;
    CXmlNode *element = parent->AddChild(kGroupButtonsElement);
    WriteName(*element, "Background", backgroundName);
    element->AddAttributeBool("TransparentBackground", transparentBackground);
    for (const std::unique_ptr<CBut> &button : m_buttons) {
        CXmlNode *child = element->AddChild(kButtonElement);
        if (button->offName && !button->offName->empty())
            child->AddAttribute("ImageOff", *button->offName);
        if (button->onName && !button->onName->empty())
            child->AddAttribute("ImageOn", *button->onName);
        const QRect &zone = button->button;
        child->AddAttributeInt("x", zone.left());
        child->AddAttributeInt("y", zone.top());
        child->AddAttributeInt("cx", zone.width());
        child->AddAttributeInt("cy", zone.height());
        child->AddAttributeInt("ctrl_x", button->image.left() - zone.left());
        child->AddAttributeInt("ctrl_y", button->image.top() - zone.top());
        child->AddAttributeInt("info_x", button->label.left() - zone.left());
        child->AddAttributeInt("info_y", button->label.top() - zone.top());
        child->AddAttributeInt("info_cx", button->label.width());
        child->AddAttributeInt("info_cy", button->label.height());
    }
    return true;
}

void CDataCCD::CGroupButtons::Load(const CXmlNode *element, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    LoadBackground(element, true, folders);
    int index = 0;
    for (const CXmlNode *child = element->FirstChild(); child; child = child->NextSibling()) {
        // Unlike every other lookup of the file, the buttons' name is compared with case.
        if (std::strcmp(child->Name(), kButtonElement) == 0)
            LoadButton(*child, index++, folders);
    }
}

void CDataCCD::CGroupButtons::LoadButton(const CXmlNode &element, int index, const CImageFolders &folders)
{
    auto button = std::make_unique<CBut>();
    if (backgroundName) {
        button->offName.emplace();
        button->onName.emplace();
    }
    button->button = ReadButtonZone(element);

    const QSize buttonSize = m_owner->button.Size();
    QRect &image = button->image;
    image = QRect(button->button.topLeft() + ReadOffset(element, "ctrl_x", "ctrl_y"), buttonSize);

    const unsigned offId = GroupButtonImageId(index, false);
    const unsigned onId = GroupButtonImageId(index, true);
    LoadImageKey(element, "ImageOff", offId, 1, button->offName, folders);
    LoadImageKey(element, "ImageOn", onId, 1, button->onName, folders);
    const QImage *off = Images().Image(offId);
    const QImage *on = Images().Image(onId);
    if (off && on)
        image.setSize(MaxSize(off->size(), on->size()));
    else if (off || on)
        image.setSize(MaxSize((off ? off : on)->size(), image.size()));

    button->label = ReadLabelRect(element, button->button);
    m_buttons.push_back(std::move(button));
}

} // namespace dataConsole
