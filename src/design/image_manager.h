// Images drawn from files: by an integer identifier chosen by the caller (the images of a
// control design) or by file name (pictures and backgrounds of a console).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <map>

namespace korvane {

// Keeps every image at its natural size. In name mode, the image with identifier k is the
// file whose upper-case name stands at index k of the name list, so names are appended only
// after a successful registration and the two stay aligned.
class CMyImageManagerExternFile
{
public:
    // Strips are cut into at most this many images; a larger count is not a strip of a
    // control design but bad input.
    static constexpr int kMaxStripImages = 4096;

    // Loads the file as one image under `first` (count <= 1) or as a horizontal strip of
    // `count` images under first, first+1, ... An ".ico" file (any case) is read as one icon.
    // The image under `first` is removed before loading, so a failure leaves none there.
    bool LoadImageFile(const QString &path, unsigned first, int count);
    // Registers the file under the identifier equal to the number of names, and lists the
    // name (upper case) unless it is listed already.
    bool AddImageFile(const QString &path, const QString &name);
    // The same for an image of the program's own resources (":/..." paths).
    bool AddResourceImage(const QString &resourcePath, const QString &name);

    int FindByName(const QString &name) const;
    bool ContainsName(const QString &name) const { return FindByName(name) >= 0; }
    const QImage *ImageByName(const QString &name) const;
    const QStringList &Names() const { return m_names; }

    const QImage *Image(unsigned id) const;
    // The image's size, or 0 by 0 when there is none.
    QSize ImageSize(unsigned id) const;
    void RemoveImage(unsigned id) { m_images.erase(id); }
    void SetImage(unsigned id, QImage image);
    bool IsEmpty() const { return m_images.empty(); }

private:
    bool AddImage(const QString &path, const QString &name, bool keepsAlphaOf32BitBitmap);

    std::map<unsigned, QImage> m_images;
    QStringList m_names;
};

// The upper-case extension of `path` from its last "." when that stands after the first
// character ("" otherwise): ".ICO", ".PNG".
QString ImageFileExtension(const QString &path);
// Reads a BMP, PNG, JPG (or other raster) file, refusing icons and images whose decoded size
// passes the toolkit's allocation limit. Null on failure.
QImage LoadBitmapFile(const QString &path);
// Reads an icon file: the largest image it holds. Null on failure.
QImage LoadIconFile(const QString &path);

} // namespace korvane
