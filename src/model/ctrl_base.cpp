// The shared fields of every console control and their XML form.
#include "model/ctrl_base.h"

#include <algorithm>
#include <array>

#include "core/text_codec.h"
#include "design/data_ccd.h"
#include "model/console_data.h"

namespace dataConsole {

namespace {

struct CKindInfo
{
    const char *tag;
    QSize imageSize;
};

// Indexed by kind code. A picture's size is its picture's, so its entry is only a fallback.
constexpr std::array<CKindInfo, kCtrlKindCount> kKinds = {{
    {"Bitmap", {0, 0}},
    {"Button", {80, 40}},
    {"LinearSliderHori", {100, 30}},
    {"LinearSliderVert", {30, 100}},
    {"RotSlider", {60, 60}},
    {"GroupButtons", {100, 100}},
    {"GroupIncDec", {100, 100}},
    {"Wheel", {80, 80}},
    {"Label", {80, 40}},
    {"Trichro", {242, 242}},
    {"PanTilt", {242, 242}},
}};

constexpr char kLock[] = "Lock";
constexpr char kX[] = "x";
constexpr char kY[] = "y";
constexpr char kCx[] = "cx";
constexpr char kCy[] = "cy";
constexpr char kImageX[] = "ctrl_x";
constexpr char kImageY[] = "ctrl_y";
constexpr char kImageCx[] = "ImageCx";
constexpr char kImageCy[] = "ImageCy";
constexpr char kDesignFile[] = "control_file_draw";
constexpr char kTextAlign[] = "TextAlign";
constexpr char kTAlignX[] = "TAlignX";
constexpr char kTAlignY[] = "TAlignY";
constexpr char kInfoX[] = "info_x";
constexpr char kInfoCx[] = "info_cx";
constexpr char kInfoY[] = "info_y";
constexpr char kInfoCy[] = "info_cy";
constexpr char kTextColor[] = "colorTxt";
constexpr char kFontSize[] = "sFontTxt";
constexpr char kDrawFrame[] = "bDrawCadre";
constexpr char kColor[] = "color";

bool IsBandPosition(int mode)
{
    return mode == kTextAbove || mode == kTextBelow;
}

// Where an extent of `size` goes in [start, end) for an alignment; `current` when free.
int AlignedStart(int alignment, int start, int end, int size, int current)
{
    switch (alignment) {
    case kAlignStart:
        return start;
    case kAlignEnd:
        return end - size;
    case kAlignCentre:
        return start + (end - start - size) / 2;
    default:
        return current;
    }
}

} // namespace

const char *CtrlTag(int kind)
{
    return kind >= 0 && kind < kCtrlKindCount ? kKinds[std::size_t(kind)].tag : "";
}

QSize DefaultImageSize(int kind)
{
    return kind >= 0 && kind < kCtrlKindCount ? kKinds[std::size_t(kind)].imageSize : QSize(0, 0);
}

CCtrl__Base::CCtrl__Base(int kind, CConsoleData *console, CCtrl__Base *parent)
    : m_kind(kind), m_console(console), m_parent(parent)
{
}

CCtrl__Base::~CCtrl__Base() = default;

void CCtrl__Base::Construct(const CXmlNode *element)
{
    if (m_console)
        m_id = m_console->SmallestFreeId();
    if (element) {
        ReadSharedAttributes(*element);
        ReadOwnAttributes(*element);
    }
    if (m_parent)
        GrowGroupIndexes(m_parent->PageCount());
    if (m_design) {
        // The file's image size wins over the design's; the rule below fills in a missing one.
        const QSize read = m_imageSize;
        SetDesign(m_design);
        m_imageSize = read;
    }
    ApplyImageSizeRule();
    if (element)
        LoadXml(*element);
}

void CCtrl__Base::ReadSharedAttributes(const CXmlNode &element)
{
    m_locked = element.GetAttributeBool(kLock, m_kind == kCtrlBitmap);
    m_rect = QRect(element.GetAttributeInt(kX, 0), element.GetAttributeInt(kY, 0), element.GetAttributeInt(kCx, 0),
                   element.GetAttributeInt(kCy, 0));
    m_imageOffset = QPoint(element.GetAttributeInt(kImageX, 0), element.GetAttributeInt(kImageY, 0));
    m_imageSize = QSize(element.GetAttributeInt(kImageCx, 0), element.GetAttributeInt(kImageCy, 0));
    const char *designFile = element.GetAttribute(kDesignFile);
    m_designName = korvane::FromFileText(designFile ? designFile : "");
    if (m_console && !m_designName.isEmpty())
        m_design = m_console->ResolveDesign(m_designName);
    // A file that does not say where the text goes leaves it where its rectangle says.
    m_textAlign = element.GetAttributeInt(kTextAlign, kTextFree);
    m_tAlignX = element.GetAttributeInt(kTAlignX, kAlignCentre);
    m_tAlignY = element.GetAttributeInt(kTAlignY, kAlignCentre);
    m_textRect = QRect(element.GetAttributeInt(kInfoX, 0), element.GetAttributeInt(kInfoY, 0),
                       element.GetAttributeInt(kInfoCx, 0), element.GetAttributeInt(kInfoCy, 0));
    element.GetAttributeColor(kTextColor, &m_textColor);
    m_fontSize = element.GetAttributeInt(kFontSize, 16);
    // Files from before the flag existed drew every text framed.
    m_drawFrame = element.GetAttributeInt(kDrawFrame, 1) == 1;
    element.GetAttributeColor(kColor, &m_color);
}

void CCtrl__Base::ApplyImageSizeRule()
{
    if (m_imageSize.width() != 0 || m_imageSize.height() != 0)
        return;
    QSize size = m_design ? DesignImageSize(*m_design) : QSize();
    if (size.isEmpty())
        size = DefaultSize();
    m_imageSize = size;
}

void CCtrl__Base::SaveSharedAttributes(CXmlNode &element) const
{
    element.AddAttributeBool(kLock, m_locked);
    element.AddAttributeInt(kX, m_rect.x());
    element.AddAttributeInt(kY, m_rect.y());
    element.AddAttributeInt(kCx, m_rect.width());
    element.AddAttributeInt(kCy, m_rect.height());
    element.AddAttributeInt(kImageX, m_imageOffset.x());
    element.AddAttributeInt(kImageY, m_imageOffset.y());
    element.AddAttributeInt(kImageCx, m_imageSize.width());
    element.AddAttributeInt(kImageCy, m_imageSize.height());
    element.AddAttribute(kDesignFile, korvane::ToFileText(m_designName));
    element.AddAttributeInt(kTextAlign, m_textAlign);
    element.AddAttributeInt(kTAlignX, m_tAlignX);
    element.AddAttributeInt(kTAlignY, m_tAlignY);
    element.AddAttributeInt(kInfoX, m_textRect.x());
    element.AddAttributeInt(kInfoCx, m_textRect.width());
    element.AddAttributeInt(kInfoY, m_textRect.y());
    element.AddAttributeInt(kInfoCy, m_textRect.height());
    element.AddAttributeColor(kTextColor, m_textColor);
    element.AddAttributeInt(kFontSize, m_fontSize);
    element.AddAttributeBool(kDrawFrame, m_drawFrame);
    element.AddAttributeColor(kColor, m_color);
}

CXmlNode &CCtrl__Base::SaveElementWithBindings(CXmlNode &parent, BindingStyle style) const
{
    CXmlNode &element = AddElement(parent);
    SaveSharedAttributes(element);
    m_bindings.Save(element, style);
    return element;
}

void CCtrl__Base::SaveContained(CXmlNode &element, const CCtrlList &controls) const
{
    for (const std::unique_ptr<CCtrl__Base> &control : controls) {
        if (control->ParentGroup() == this && control->IndexInParent() == 0)
            control->SaveXml(element, controls);
    }
}

void CCtrl__Base::CopyFrom(const CCtrl__Base &other)
{
    m_textAlign = other.m_textAlign;
    m_tAlignX = other.m_tAlignX;
    m_tAlignY = other.m_tAlignY;
    m_textRect = other.m_textRect;
    m_parent = other.m_parent;
    m_indexInParent = other.m_indexInParent;
    m_rect = other.m_rect;
    m_imageOffset = other.m_imageOffset;
    m_imageSize = other.m_imageSize;
    m_color = other.m_color;
    m_textColor = other.m_textColor;
    m_fontSize = other.m_fontSize;
    m_drawFrame = other.m_drawFrame;
    m_designName = other.m_designName;
    // The design itself belongs to the source's console; CloneControl finds the copy's own.
    const int common = std::min(m_bindings.Count(), other.m_bindings.Count());
    for (int i = 0; i < common; ++i)
        m_bindings[i].label = other.m_bindings[i].label;
}

void CCtrl__Base::SetTextAlign(int mode)
{
    CCtrlGeometry geometry = Geometry();
    PlaceTextIn(geometry, m_textAlign, mode);
    m_textAlign = mode;
    SetGeometry(geometry);
}

void CCtrl__Base::PlaceTextIn(CCtrlGeometry &geometry, int previous, int mode) const
{
    QRect &rect = geometry.rect;
    QPoint &imageOffset = geometry.imageOffset;
    // The band above or below the image is part of the rectangle: it is added when the text
    // moves there and given back when the text returns onto the image.
    if (previous >= kTextFree && previous <= kTextBottom && IsBandPosition(mode))
        rect.setHeight(rect.height() + kTextBandHeight);
    else if (IsBandPosition(previous) && mode >= kTextCentre && mode <= kTextBottom)
        rect.setHeight(rect.height() - geometry.textRect.height());

    const int width = rect.width();
    const int height = rect.height();
    const QRect image(imageOffset, m_imageSize);
    switch (mode) {
    case kTextCentre:
        geometry.textRect = image;
        break;
    case kTextTop:
        geometry.textRect = QRect(image.x(), image.y(), image.width(), kTextBandHeight);
        break;
    case kTextBottom:
        geometry.textRect = QRect(image.x(), image.y() + image.height() - kTextBandHeight, image.width(), kTextBandHeight);
        break;
    case kTextAbove:
        geometry.textRect = QRect(0, 0, width, kTextBandHeight);
        if (imageOffset.y() < kTextBandHeight)
            imageOffset.ry() += kTextBandHeight;
        break;
    case kTextBelow:
        geometry.textRect = QRect(0, height - kTextBandHeight, width, kTextBandHeight);
        if (image.y() + image.height() > height - kTextBandHeight)
            imageOffset.ry() -= kTextBandHeight;
        break;
    default:
        break;
    }
}

void CCtrl__Base::SetTAlignX(int value)
{
    m_tAlignX = value;
    PlaceImage();
    SetTextAlign(m_textAlign);
}

void CCtrl__Base::SetTAlignY(int value)
{
    m_tAlignY = value;
    PlaceImage();
    SetTextAlign(m_textAlign);
}

QSize CCtrl__Base::MinimumSize() const
{
    constexpr int kMinimum = 10;
    // Labels and pictures are their rectangle; the others keep room for their image.
    const bool hasImage = m_kind != kCtrlLabel && m_kind != kCtrlBitmap;
    const int band = IsBandPosition(m_textAlign) ? kTextBandHeight : 0;
    return QSize(std::max(kMinimum, hasImage ? m_imageSize.width() : 0),
                 std::max(kMinimum, (hasImage ? m_imageSize.height() : 0) + band));
}

CCtrlGeometry CCtrl__Base::Fitted(CCtrlGeometry geometry) const
{
    // A label writes into its whole rectangle and a picture fills it: nothing to place.
    if (m_kind == kCtrlLabel || m_kind == kCtrlBitmap)
        return geometry;
    PlaceImageIn(geometry, m_textAlign);
    PlaceTextIn(geometry, m_textAlign, m_textAlign);
    return geometry;
}

CCtrlGeometry CCtrl__Base::WithWidth(CCtrlGeometry from, int width, bool adjustText) const
{
    from.rect.setWidth(std::max(width, MinimumSize().width()));
    return adjustText ? Fitted(from) : from;
}

CCtrlGeometry CCtrl__Base::WithHeight(CCtrlGeometry from, int height, bool adjustText) const
{
    from.rect.setHeight(std::max(height, MinimumSize().height()));
    return adjustText ? Fitted(from) : from;
}

int CCtrl__Base::SetWidth(int width, bool adjustText)
{
    SetGeometry(WithWidth(Geometry(), width, adjustText));
    return m_rect.width();
}

int CCtrl__Base::SetHeight(int height, bool adjustText)
{
    SetGeometry(WithHeight(Geometry(), height, adjustText));
    return m_rect.height();
}

void CCtrl__Base::SetGeometry(const CCtrlGeometry &geometry)
{
    m_rect = geometry.rect;
    m_imageOffset = geometry.imageOffset;
    m_textRect = geometry.textRect;
}

CCtrlSnapshot CCtrl__Base::Snapshot() const
{
    return {Geometry(), m_imageSize, m_textAlign, m_tAlignX, m_tAlignY, m_bindings};
}

void CCtrl__Base::Restore(const CCtrlSnapshot &snapshot)
{
    SetGeometry(snapshot.geometry);
    m_imageSize = snapshot.imageSize;
    m_textAlign = snapshot.textAlign;
    m_tAlignX = snapshot.tAlignX;
    m_tAlignY = snapshot.tAlignY;
    m_bindings = snapshot.bindings;
}

void CCtrl__Base::PlaceImage()
{
    CCtrlGeometry geometry = Geometry();
    PlaceImageIn(geometry, m_textAlign);
    SetGeometry(geometry);
}

void CCtrl__Base::PlaceImageIn(CCtrlGeometry &geometry, int textAlign) const
{
    // The text band above or below the image is not room for the image.
    const QRect &rect = geometry.rect;
    const int top = textAlign == kTextAbove ? kTextBandHeight : 0;
    const int bottom = rect.height() - (textAlign == kTextBelow ? kTextBandHeight : 0);
    geometry.imageOffset.setX(
        AlignedStart(m_tAlignX, 0, rect.width(), m_imageSize.width(), geometry.imageOffset.x()));
    geometry.imageOffset.setY(AlignedStart(m_tAlignY, top, bottom, m_imageSize.height(), geometry.imageOffset.y()));
}

CCtrl__Base *CCtrl__Base::HitTest(QPoint point, float zoom, bool pageFlag, QRect *tested)
{
    // The image area as drawn, without the window's margin: points come in console pixels.
    const QRect area = Zoomed(QRect(m_rect.topLeft() + m_imageOffset, GetImageSize()), zoom);
    if (tested)
        *tested = area;
    if (m_parent) {
        const int shownPage = pageFlag ? m_parent->GetValue() : 0;
        if (m_indexInParent != shownPage)
            return nullptr;
    }
    return area.contains(point) ? this : nullptr;
}

void CCtrl__Base::LoadXml(const CXmlNode &element)
{
    m_bindings.Load(element, BindingReadCount(), BindingStyle::kPlain);
}

int CCtrl__Base::BindingReadCount() const
{
    // A group whose design gives no pages still leaves its controls their first set.
    return m_parent ? std::max(1, m_parent->PageCount()) : 1;
}

int CCtrl__Base::SetValue(int value)
{
    SetValueAt(CurrentIndex(), value);
    return value;
}

int CCtrl__Base::GetValue() const
{
    return ValueAt(CurrentIndex());
}

void CCtrl__Base::SetDesign(CDataCCD *design)
{
    m_design = design;
    m_designName = design ? design->Name() : QString();
    const QSize size = design ? DesignImageSize(*design) : QSize();
    if (!size.isEmpty())
        m_imageSize = size;
}

void CCtrl__Base::SetParentGroup(CCtrl__Base *group)
{
    m_parent = group;
    if (group)
        GrowGroupIndexes(group->PageCount());
}

void CCtrl__Base::GrowGroupIndexes(int count)
{
    m_bindings.Grow(count);
    if (count > int(m_values.size()))
        m_values.resize(std::size_t(count), 0);
}

QString CCtrl__Base::Label(int index) const
{
    return index >= 0 && index < m_bindings.Count() ? korvane::FromFileText(m_bindings[index].label) : QString();
}

void CCtrl__Base::SetLabel(int index, const QString &text)
{
    if (index >= 0 && index < m_bindings.Count())
        m_bindings[index].label = korvane::ToFileText(text);
}

int CCtrl__Base::CurrentIndex() const
{
    return m_parent ? m_parent->GetCurrentGroupIndex() : 0;
}

int CCtrl__Base::ValueAt(int index) const
{
    return index >= 0 && index < int(m_values.size()) ? m_values[std::size_t(index)] : 0;
}

void CCtrl__Base::SetValueAt(int index, int value)
{
    if (index >= 0 && index < int(m_values.size()))
        m_values[std::size_t(index)] = value;
}

} // namespace dataConsole
