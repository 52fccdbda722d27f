// Image files and the image manager.
#include "design/image_manager.h"

#include <QFileInfo>
#include <QImageReader>

namespace korvane {

namespace {

const QByteArray kIconFormat = QByteArrayLiteral("ico");
const QByteArray kCursorFormat = QByteArrayLiteral("cur");
const QString kIconExtension = QStringLiteral(".ICO");
const QString kBitmapExtension = QStringLiteral("BMP");

// Checks the size the file announces before decoding, so that a huge image is refused
// without allocating for it.
bool FitsAllocationLimit(QImageReader &reader)
{
    const QSize size = reader.size();
    if (!size.isValid())
        return true; // the decoder itself enforces the limit
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return size.width() > 0 && size.height() > 0 && bytes <= qint64(QImageReader::allocationLimit()) * 1024 * 1024;
}

} // namespace

QString ImageFileExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot).toUpper() : QString();
}

QImage LoadBitmapFile(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format.isEmpty() || format == kIconFormat || format == kCursorFormat)
        return {};
    if (!FitsAllocationLimit(reader))
        return {};
    return reader.read();
}

QImage LoadIconFile(const QString &path)
{
    QImageReader reader(path, kIconFormat);
    QImage best;
    // An icon file holds the same picture at several sizes; the largest draws best.
    do {
        if (!FitsAllocationLimit(reader))
            return {};
        const QImage image = reader.read();
        if (image.isNull())
            break;
        if (best.isNull() || image.width() * image.height() > best.width() * best.height())
            best = image;
    } while (reader.jumpToNextImage());
    return best;
}

bool CMyImageManagerExternFile::LoadImageFile(const QString &path, unsigned first, int count)
{
    const bool icon = ImageFileExtension(path) == kIconExtension;
    const QImage bitmap = icon ? QImage() : LoadBitmapFile(path);
    m_images.erase(first);
    if (!bitmap.isNull()) {
        if (count <= 1) {
            m_images[first] = bitmap;
            return true;
        }
        // A strip narrower than its count of images, or an absurd count, is refused rather
        // than cut into empty images.
        if (count > kMaxStripImages || count > bitmap.width())
            return false;
        const int width = bitmap.width() / count;
        for (int i = 0; i < count; ++i)
            m_images[first + unsigned(i)] = bitmap.copy(i * width, 0, width, bitmap.height());
        return true;
    }
    if (count > 1)
        return false;
    QImage image = LoadIconFile(path);
    if (image.isNull())
        return false;
    m_images[first] = std::move(image);
    return true;
}

bool CMyImageManagerExternFile::AddImage(const QString &path, const QString &name, bool keepsAlphaOf32BitBitmap)
{
    QImage image = LoadBitmapFile(path);
    if (!image.isNull()) {
        // A 32-bit BMP's fourth byte is rarely meant as alpha: drawn as stored it would vanish.
        if (!keepsAlphaOf32BitBitmap && image.depth() == 32 && name.toUpper().endsWith(kBitmapExtension))
            image = image.convertToFormat(QImage::Format_RGB32);
    } else {
        image = LoadIconFile(path);
    }
    if (image.isNull())
        return false;
    m_images[unsigned(m_names.size())] = std::move(image);
    if (!ContainsName(name))
        m_names.append(name.toUpper());
    return true;
}

bool CMyImageManagerExternFile::AddImageFile(const QString &path, const QString &name)
{
    return AddImage(path, name, false);
}

bool CMyImageManagerExternFile::AddResourceImage(const QString &resourcePath, const QString &name)
{
    return AddImage(resourcePath, name, true);
}

int CMyImageManagerExternFile::FindByName(const QString &name) const
{
    return int(m_names.indexOf(name.toUpper()));
}

const QImage *CMyImageManagerExternFile::ImageByName(const QString &name) const
{
    const int index = FindByName(name);
    return index < 0 ? nullptr : Image(unsigned(index));
}

const QImage *CMyImageManagerExternFile::Image(unsigned id) const
{
    const auto it = m_images.find(id);
    return it == m_images.end() ? nullptr : &it->second;
}

QSize CMyImageManagerExternFile::ImageSize(unsigned id) const
{
    const QImage *image = Image(id);
    return image ? image->size() : QSize(0, 0);
}

void CMyImageManagerExternFile::SetImage(unsigned id, QImage image)
{
    if (image.isNull())
        m_images.erase(id);
    else
        m_images[id] = std::move(image);
}

} // namespace korvane
