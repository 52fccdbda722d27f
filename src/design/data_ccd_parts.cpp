// Reading and writing the parts of a control design that stand alone: button, rotary,
// sliders and wheel.
#include "design/data_ccd.h"

#include "design/ccd_file_format.h"

namespace dataConsole {

using namespace ccdImage;
using namespace ccdFile;

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
    ReadFlagOrClear(*element, "mode_angle", angleMode);
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
    ReadFlagOrClear(*element, "TransparentBackground", transparentBackground);
    // The strip is cut with the count read just before it.
    ReadInt(*element, "nbImages", imageCount);
    LoadImageKey(*element, "Images", kWheelStrip, imageCount, stripName, folders);
}

} // namespace dataConsole
