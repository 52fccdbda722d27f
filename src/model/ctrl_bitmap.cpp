// Pictures of a console.
#include "model/ctrl_bitmap.h"

#include <QImage>

#include "core/text_codec.h"
#include "model/console_data.h"

namespace dataConsole {

namespace {

constexpr char kName[] = "name";

} // namespace

CCtrl_Bitmap::CCtrl_Bitmap(CConsoleData *console, const CXmlNode *element,
                           const QString &pictureFolder)
    : CCtrl__Base(kCtrlBitmap, console, nullptr), m_pictureFolder(pictureFolder)
{
    Construct(element);
}

void CCtrl_Bitmap::ReadOwnAttributes(const CXmlNode &element)
{
    const char *name = element.GetAttribute(kName);
    SetPicture(m_pictureFolder, korvane::FromFileText(name ? name : ""));
}

void CCtrl_Bitmap::SetPicture(const QString &folder, const QString &name)
{
    m_pictureFolder = folder;
    m_pictureName = name;
    const QImage *image = Console() && !name.isEmpty() ? Console()->LoadPicture(folder, name) : nullptr;
    // A picture that cannot be read keeps the size the file gave it, so that saving the
    // console does not lose where it was.
    if (!image)
        return;
    SetRect(QRect(Rect().topLeft(), image->size()));
    if (StoredImageSize().isNull())
        SetImageSize(image->size());
}

const QImage *CCtrl_Bitmap::Picture() const
{
    return Console() ? Console()->PictureImages().ImageByName(m_pictureName) : nullptr;
}

QSize CCtrl_Bitmap::DefaultSize() const
{
    const QImage *image = Picture();
    return image ? image->size() : QSize(0, 0);
}

void CCtrl_Bitmap::CopyFrom(const CCtrl__Base &other)
{
    CCtrl__Base::CopyFrom(other);
    if (const auto *picture = dynamic_cast<const CCtrl_Bitmap *>(&other)) {
        m_pictureFolder = picture->m_pictureFolder;
        m_pictureName = picture->m_pictureName;
    }
}

void CCtrl_Bitmap::SaveXml(CXmlNode &parent, const CCtrlList &) const
{
    CXmlNode &element = AddElement(parent);
    element.AddAttribute(kName, korvane::ToFileText(m_pictureName));
    SaveSharedAttributes(element);
}

} // namespace dataConsole
