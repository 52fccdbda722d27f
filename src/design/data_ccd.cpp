// Reading and writing control design files.
#include "design/data_ccd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

#include "core/file_messages.h"
#include "core/folders.h"
#include "core/save_file.h"
#include "core/text_codec.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "xml/xml_node.h"

namespace dataConsole {

using namespace ccdImage;
using korvane::LoadXmlFile;
using korvane::SaveXmlString;

namespace {

constexpr char kRootElement[] = "config_control_design";
constexpr char kAuthorKey[] = "Author";
constexpr char kVersionKey[] = "Version";
constexpr char kAuthor[] = "orlen";
constexpr char kVersion[] = "1.0";

constexpr char kRotaryElement[] = "RotSlider";
constexpr char kSliderVertElement[] = "LinearSliderVert";
constexpr char kSliderHorzElement[] = "LinearSliderHori";
constexpr char kButtonElement[] = "Button";
constexpr char kWheelElement[] = "Wheel";
constexpr char kIncDecElement[] = "GroupIncDec";
constexpr char kGroupButtonsElement[] = "GroupButtons";

// The older keys, still read before the current ones so that the current key wins.
constexpr char kOldImageKey[] = "ico";
constexpr char kOldSecondImageKey[] = "ico_sel";
constexpr char kOldButtonOnKey[] = "ico_on";

bool IsEmpty(QSize size)
{
    return size.width() == 0 && size.height() == 0;
}

QSize MaxSize(QSize a, QSize b)
{
    return a.expandedTo(b);
}

// Integers and flags keep their current value when their key is missing.
void ReadInt(const CXmlNode &element, const char *key, int &field)
{
    std::int32_t value;
    if (element.GetAttributeInt(key, &value))
        field = value;
}

// A flag is set only by the value 1.
void ReadFlag(const CXmlNode &element, const char *key, bool &field)
{
    std::int32_t value;
    if (element.GetAttributeInt(key, &value))
        field = value == 1;
}

void WriteName(CXmlNode &element, const char *key, const ImageName &name)
{
    if (name)
        element.AddAttribute(key, *name);
}

void CreateName(ImageName &name)
{
    if (!name)
        name.emplace();
}

QString FolderWithSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

CImageFolders FoldersOf(const QString &appFolder, const QString &designFolder)
{
    const QString library = FolderWithSlash(korvane::CAppFolders(appFolder).DesignFolder());
    if (designFolder.isEmpty())
        return {library, QString()};
    return {FolderWithSlash(korvane::ResolvePathNoCase(appFolder, designFolder)), library};
}

} // namespace

// ---- the parts' common work ----

bool CDataCCD::CCtrlBase::Save(CXmlNode *) const
{
    return true;
}

void CDataCCD::CCtrlBase::Load(const CXmlNode *element, const CImageFolders &)
{
    if (element)
        m_present = true;
}

void CDataCCD::CCtrlBase::LoadImageKey(const CXmlNode &element, const char *key, unsigned id, int count,
                                       ImageName &name, const CImageFolders &folders)
{
    const char *file = element.GetAttribute(key);
    if (!file)
        return;
    if (name)
        *name = file;
    m_owner->LoadImage(id, count, file, folders);
}

void CDataCCD::CCtrlBase::SetImageFile(unsigned id, int count, ImageName &name, const QString &folder,
                                       const std::string &file)
{
    if (name)
        *name = file;
    m_owner->m_images.LoadImageFile(korvane::ResolvePathNoCase(folder, korvane::FromFileText(file)), id, count);
}

// ---- button ----

const QImage *CDataCCD::CButton::Image(bool on) const
{
    return Images().Image(on ? kButtonOn : kButtonOff);
}

QSize CDataCCD::CButton::Size() const
{
    return m_owner->MaxImageSize({kButtonOff, kButtonOn});
}

void CDataCCD::CButton::SetImage(bool on, const QString &folder, const std::string &file)
{
    SetImageFile(on ? kButtonOn : kButtonOff, 1, on ? onName : offName, folder, file);
}

bool CDataCCD::CButton::Save(CXmlNode *parent) const
{
    if (IsEmpty(Size()))
        return true;
    CXmlNode *element = parent->AddChild(kButtonElement);
    WriteName(*element, "ImageOff", offName);
    WriteName(*element, "ImageOn", onName);
    return true;
}

void CDataCCD::CButton::Load(const CXmlNode *element, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    LoadImageKey(*element, kOldImageKey, kButtonOff, 1, offName, folders);
    LoadImageKey(*element, kOldButtonOnKey, kButtonOn, 1, onName, folders);
    LoadImageKey(*element, "ImageOff", kButtonOff, 1, offName, folders);
    LoadImageKey(*element, "ImageOn", kButtonOn, 1, onName, folders);
}

// ---- rotary ----

void CDataCCD::CRotary::Reset()
{
    angleMin = 225;
    angleMax = 315;
    radius = 10;
    angleMode = true;
}

const QImage *CDataCCD::CRotary::DialImage() const { return Images().Image(kRotaryDial); }
const QImage *CDataCCD::CRotary::CursorImage() const { return Images().Image(kRotaryCursor); }
QSize CDataCCD::CRotary::DialSize() const { return Images().ImageSize(kRotaryDial); }
QSize CDataCCD::CRotary::CursorSize() const { return Images().ImageSize(kRotaryCursor); }

void CDataCCD::CRotary::SetDialImage(const QString &folder, const std::string &file)
{
    SetImageFile(kRotaryDial, 1, dialName, folder, file);
}

void CDataCCD::CRotary::SetCursorImage(const QString &folder, const std::string &file)
{
    SetImageFile(kRotaryCursor, 1, cursorName, folder, file);
}

bool CDataCCD::CRotary::Save(CXmlNode *parent) const
{
    if (IsEmpty(DialSize()))
        return true;
    CXmlNode *element = parent->AddChild(kRotaryElement);
    WriteName(*element, "Image", dialName);
    WriteName(*element, "ImageCursor", cursorName);
    element->AddAttributeInt("angle_min", angleMin);
    element->AddAttributeInt("angle_max", angleMax);
    element->AddAttributeInt("rayon", radius);
    element->AddAttributeBool("mode_angle", angleMode);
    return true;
}

void CDataCCD::CRotary::Load(const CXmlNode *element, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    LoadImageKey(*element, kOldImageKey, kRotaryDial, 1, dialName, folders);
    LoadImageKey(*element, kOldSecondImageKey, kRotaryCursor, 1, cursorName, folders);
    LoadImageKey(*element, "Image", kRotaryDial, 1, dialName, folders);
    LoadImageKey(*element, "ImageCursor", kRotaryCursor, 1, cursorName, folders);
    ReadInt(*element, "angle_min", angleMin);
    ReadInt(*element, "angle_max", angleMax);
    ReadInt(*element, "rayon", radius);
    ReadFlag(*element, "mode_angle", angleMode);
}

// ---- sliders ----

void CDataCCD::CSlider::Reset()
{
    offsetX = 0;
    offsetY = 0;
}

const QImage *CDataCCD::CSlider::BackgroundImage(bool vertical) const
{
    return Images().Image(vertical ? kSliderVertBackground : kSliderHorzBackground);
}

const QImage *CDataCCD::CSlider::CursorImage(bool vertical) const
{
    return Images().Image(vertical ? kSliderVertCursor : kSliderHorzCursor);
}

QSize CDataCCD::CSlider::BackgroundSize(bool vertical) const
{
    return Images().ImageSize(vertical ? kSliderVertBackground : kSliderHorzBackground);
}

QSize CDataCCD::CSlider::CursorSize(bool vertical) const
{
    return Images().ImageSize(vertical ? kSliderVertCursor : kSliderHorzCursor);
}

void CDataCCD::CSlider::SetBackgroundImage(bool vertical, const QString &folder, const std::string &file)
{
    SetImageFile(vertical ? kSliderVertBackground : kSliderHorzBackground, 1, backgroundName, folder, file);
}

void CDataCCD::CSlider::SetCursorImage(bool vertical, const QString &folder, const std::string &file)
{
    SetImageFile(vertical ? kSliderVertCursor : kSliderHorzCursor, 1, cursorName, folder, file);
}

bool CDataCCD::CSlider::Save(CXmlNode *parent, bool vertical) const
{
    if (IsEmpty(BackgroundSize(vertical)))
        return true;
    CXmlNode *element = parent->AddChild(vertical ? kSliderVertElement : kSliderHorzElement);
    WriteName(*element->AddChild("Background"), "Image", backgroundName);
    CXmlNode *cursor = element->AddChild("Cursor");
    WriteName(*cursor, "ImageCursor", cursorName);
    cursor->AddAttributeInt("offset_x", offsetX);
    cursor->AddAttributeInt("offset_y", offsetY);
    return true;
}

void CDataCCD::CSlider::Load(const CXmlNode *element, bool vertical, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    if (const CXmlNode *background = element->FindChild("Background")) {
        const unsigned id = vertical ? kSliderVertBackground : kSliderHorzBackground;
        LoadImageKey(*background, kOldImageKey, id, 1, backgroundName, folders);
        LoadImageKey(*background, "Image", id, 1, backgroundName, folders);
    }
    if (const CXmlNode *cursor = element->FindChild("Cursor")) {
        const unsigned id = vertical ? kSliderVertCursor : kSliderHorzCursor;
        ReadInt(*cursor, "offset_x", offsetX);
        ReadInt(*cursor, "offset_y", offsetY);
        LoadImageKey(*cursor, kOldImageKey, id, 1, cursorName, folders);
        LoadImageKey(*cursor, "ImageCursor", id, 1, cursorName, folders);
    }
}

// ---- wheel ----

void CDataCCD::CWheel::Reset()
{
    imageCount = 0;
    transparentBackground = false;
}

const QImage *CDataCCD::CWheel::BackgroundImage() const { return Images().Image(kWheelBackground); }

const QImage *CDataCCD::CWheel::StripImage(int index) const
{
    return index < 0 ? nullptr : Images().Image(kWheelStrip + unsigned(index));
}

QSize CDataCCD::CWheel::Size() const
{
    return m_owner->MaxImageSize({kWheelBackground, kWheelStrip});
}

void CDataCCD::CWheel::SetBackgroundImage(const QString &folder, const std::string &file)
{
    SetImageFile(kWheelBackground, 1, backgroundName, folder, file);
}

void CDataCCD::CWheel::SetStrip(const QString &folder, const std::string &file)
{
    SetImageFile(kWheelStrip, imageCount, stripName, folder, file);
}

bool CDataCCD::CWheel::Save(CXmlNode *parent) const
{
    if (IsEmpty(Size()))
        return true;
    CXmlNode *element = parent->AddChild(kWheelElement);
    WriteName(*element, "Background", backgroundName);
    WriteName(*element, "Images", stripName);
    element->AddAttributeBool("TransparentBackground", transparentBackground);
    element->AddAttributeInt("nbImages", imageCount);
    return true;
}

void CDataCCD::CWheel::Load(const CXmlNode *element, const CImageFolders &folders)
{
    CCtrlBase::Load(element, folders);
    LoadImageKey(*element, "Background", kWheelBackground, 1, backgroundName, folders);
    ReadFlag(*element, "TransparentBackground", transparentBackground);
    // The strip is cut with the count read just before it.
    ReadInt(*element, "nbImages", imageCount);
    LoadImageKey(*element, "Images", kWheelStrip, imageCount, stripName, folders);
}

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
    // Right and bottom follow left and top plus the sizes read; a missing size leaves the
    // right or bottom edge at 0, as the file format always has.
    QRect &zone = button->button;
    int left = 0, top = 0, right = 0, bottom = 0, value = 0;
    ReadInt(element, "x", left);
    ReadInt(element, "y", top);
    if (element.GetAttributeInt("cx", &value))
        right = left + value;
    if (element.GetAttributeInt("cy", &value))
        bottom = top + value;
    zone = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));

    const QSize buttonSize = m_owner->button.Size();
    QRect &image = button->image;
    int dx = 0, dy = 0;
    ReadInt(element, "ctrl_x", dx);
    ReadInt(element, "ctrl_y", dy);
    image = QRect(zone.topLeft() + QPoint(dx, dy), buttonSize);

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

    QRect &label = button->label;
    dx = dy = 0;
    ReadInt(element, "info_x", dx);
    ReadInt(element, "info_y", dy);
    label = zone.translated(dx, dy);
    if (element.GetAttributeInt("info_cx", &value))
        label.setWidth(value);
    if (element.GetAttributeInt("info_cy", &value))
        label.setHeight(value);

    m_buttons.push_back(std::move(button));
}

// ---- the design ----

CDataCCD::CDataCCD() = default;

void CDataCCD::AllocateNames()
{
    CreateName(button.onName);
    CreateName(button.offName);
    CreateName(rotary.dialName);
    CreateName(rotary.cursorName);
    for (CSlider *slider : {&sliderHorz, &sliderVert}) {
        CreateName(slider->backgroundName);
        CreateName(slider->cursorName);
    }
    CreateName(wheel.backgroundName);
    CreateName(wheel.stripName);
    CreateName(groupIncDec.backgroundName);
    CreateName(groupIncDec.displayName);
    CreateName(groupIncDec.decOffName);
    CreateName(groupIncDec.decOnName);
    CreateName(groupIncDec.incOffName);
    CreateName(groupIncDec.incOnName);
    CreateName(groupButtons.backgroundName);
}

bool CDataCCD::LoadImage(unsigned id, int count, const std::string &file, const CImageFolders &folders)
{
    const QString name = korvane::FromFileText(file);
    if (m_images.LoadImageFile(korvane::ResolvePathNoCase(folders.primary, name), id, count))
        return true;
    if (!folders.fallback.isEmpty()
        && m_images.LoadImageFile(korvane::ResolvePathNoCase(folders.fallback, name), id, count))
        return true;
    if (!name.isEmpty() && !m_missingImages.contains(name))
        m_missingImages.append(name);
    return false;
}

bool CDataCCD::Load(const QString &appFolder, const QString &fileName, const QString &designFolder)
{
    const CImageFolders folders = FoldersOf(appFolder, designFolder);
    return LoadFile(korvane::ResolvePathNoCase(folders.primary, fileName), folders);
}

bool CDataCCD::LoadFile(const QString &path, const CImageFolders &folders)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    m_name = info.fileName();
    m_missingImages.clear();

    const std::unique_ptr<CXmlNode> root = LoadXmlFile(QFile::encodeName(path).toStdString());
    if (!root) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Error, path, korvane::Word(korvane::word::kErrorCaption),
                                   QStringLiteral("The file is not a well-formed design file."));
        return false;
    }
    const char *author = root->GetAttribute(kAuthorKey);
    if (!author || std::strcmp(author, kAuthor) != 0) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Warning, path,
                                   korvane::Word(korvane::word::kErrorCaption),
                                   korvane::Word(korvane::word::kWrongFileHeader));
    }
    const char *version = root->GetAttribute(kVersionKey);
    if (!version || std::strcmp(version, kVersion) != 0) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Error, path, korvane::Word(korvane::word::kErrorCaption),
                                   korvane::Word(korvane::word::kWrongFileVersion));
        return false;
    }

    if (const CXmlNode *element = root->FindChild(kRotaryElement))
        rotary.Load(element, folders);
    if (const CXmlNode *element = root->FindChild(kSliderVertElement))
        sliderVert.Load(element, true, folders);
    if (const CXmlNode *element = root->FindChild(kSliderHorzElement))
        sliderHorz.Load(element, false, folders);
    if (const CXmlNode *element = root->FindChild(kButtonElement))
        button.Load(element, folders);
    if (const CXmlNode *element = root->FindChild(kWheelElement))
        wheel.Load(element, folders);
    if (const CXmlNode *element = root->FindChild(kIncDecElement))
        groupIncDec.Load(element, folders);
    if (const CXmlNode *element = root->FindChild(kGroupButtonsElement))
        groupButtons.Load(element, folders);
    return true;
}

std::string CDataCCD::SaveToString() const
{
    CXmlNode root(kRootElement);
    root.AddAttribute(kAuthorKey, kAuthor);
    root.AddAttribute(kVersionKey, kVersion);
    rotary.Save(&root);
    sliderVert.Save(&root, true);
    sliderHorz.Save(&root, false);
    button.Save(&root);
    wheel.Save(&root);
    groupIncDec.Save(&root);
    groupButtons.Save(&root);
    std::string bytes;
    SaveXmlString(bytes, root);
    return bytes;
}

bool CDataCCD::WriteFile(const QString &path, QString *error) const
{
    return korvane::SaveFileSafely(path, SaveToString(), error);
}

bool CDataCCD::Save(const QString &folder, const QString &fileName) const
{
    // Written by path: the process's current folder is never changed.
    WriteFile(QDir(folder).filePath(fileName));
    return true;
}

void CDataCCD::ResetToDefault()
{
    m_name = QString::fromLatin1(kDefaultDesignName);
    button.Reset();
    groupButtons.Reset();
    groupIncDec.Reset();
    sliderHorz.Reset();
    sliderVert.Reset();
    rotary.Reset();
    wheel.Reset();
}

bool CDataCCD::MatchesName(const QString &fileName) const
{
    return m_name.toUpper() == fileName.toUpper();
}

QSize CDataCCD::MaxImageSize(std::initializer_list<unsigned> ids) const
{
    QSize size(0, 0);
    for (unsigned id : ids)
        size = MaxSize(size, m_images.ImageSize(id));
    return size;
}

} // namespace dataConsole
