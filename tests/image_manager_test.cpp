// The image manager over real image files: strips, icons, names kept aligned with
// identifiers, and absurd input refused.
#include <QDataStream>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/text_codec.h"
#include "design/image_manager.h"
#include "test_support.h"

using namespace korvane;
using namespace korvane::test;

namespace {

// A strip whose columns of `cell` pixels each have their own colour, so a cut in the wrong
// place shows.
QImage Strip(int width, int height, int cell)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int x = 0, i = 0; x < width; x += cell, ++i)
        painter.fillRect(x, 0, cell, height, QColor::fromHsv((i * 37) % 360, 255, 255));
    return image;
}

QString Save(const QTemporaryDir &dir, const QString &name, const QImage &image, const char *format)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format)) << name.toStdString();
    return path;
}

// A BMP header announcing an image far beyond any allocation limit; its pixels are missing.
QString HugeBitmap(const QTemporaryDir &dir)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(0) << quint32(0) << quint32(54);                        // file header
    out << quint32(40) << qint32(60000) << qint32(60000) << quint16(1) << quint16(32) // info header
        << quint32(0) << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    WriteText(path, bytes);
    return path;
}

} // namespace

TEST(ImageManager, StripsAreCutIntoEqualCells)
{
    QTemporaryDir dir;
    CMyImageManagerExternFile images;
    const QImage strip = Strip(160, 20, 20);
    const QString path = Save(dir, QStringLiteral("wheel.png"), strip, "PNG");

    ASSERT_TRUE(images.LoadImageFile(path, 3001, 8));
    for (unsigned id = 3001; id <= 3008; ++id) {
        ASSERT_NE(images.Image(id), nullptr) << id;
        EXPECT_EQ(images.Image(id)->size(), QSize(20, 20));
        EXPECT_EQ(images.Image(id)->pixel(10, 10), strip.pixel(int(id - 3001) * 20 + 10, 10)) << id;
    }
    EXPECT_EQ(images.Image(3009), nullptr);

    // 100 pixels in 3 cells: 33 each, the last column unused.
    const QString odd = Save(dir, QStringLiteral("odd.png"), Strip(100, 10, 33), "PNG");
    ASSERT_TRUE(images.LoadImageFile(odd, 10, 3));
    EXPECT_EQ(images.Image(12)->size(), QSize(33, 10));
    EXPECT_EQ(images.Image(12)->pixel(0, 0), Strip(100, 10, 33).pixel(66, 0));

    // A shorter load replaces only the first identifier; the rest of the old strip stays.
    const QString single = Save(dir, QStringLiteral("single.bmp"), Strip(7, 5, 7), "BMP");
    ASSERT_TRUE(images.LoadImageFile(single, 3001, 1));
    EXPECT_EQ(images.ImageSize(3001), QSize(7, 5));
    EXPECT_EQ(images.ImageSize(3002), QSize(20, 20));

    // A failed load leaves nothing under its identifier.
    EXPECT_FALSE(images.LoadImageFile(dir.filePath(QStringLiteral("missing.png")), 3001, 1));
    EXPECT_EQ(images.Image(3001), nullptr);
    EXPECT_EQ(images.ImageSize(3001), QSize(0, 0));

    // Counts no strip can hold are refused without cutting anything.
    EXPECT_FALSE(images.LoadImageFile(path, 500, 161));
    EXPECT_FALSE(images.LoadImageFile(path, 500, 5'000'000));
    EXPECT_EQ(images.Image(500), nullptr);
}

TEST(ImageManager, FormatsIconsAndExtensions)
{
    QTemporaryDir dir;
    CMyImageManagerExternFile images;

    QImage alpha(8, 6, QImage::Format_ARGB32);
    alpha.fill(QColor(255, 0, 0, 64));
    ASSERT_TRUE(images.LoadImageFile(Save(dir, QStringLiteral("a.png"), alpha, "PNG"), 1, 1));
    EXPECT_EQ(qAlpha(images.Image(1)->pixel(3, 3)), 64);

    // An icon file in any letter case is read as one icon at its own size; never as a strip.
    const QString icon = Save(dir, QStringLiteral("knob.Ico"), Strip(32, 32, 8), "ICO");
    ASSERT_TRUE(images.LoadImageFile(icon, 3, 1));
    EXPECT_EQ(images.ImageSize(3), QSize(32, 32));
    EXPECT_FALSE(images.LoadImageFile(icon, 3, 2));
    EXPECT_EQ(images.Image(3), nullptr);

    // Without a dot the name has no extension: the bitmap loader first, then the icon reader.
    EXPECT_EQ(ImageFileExtension(QStringLiteral("/x.y/noext")), QString());
    EXPECT_EQ(ImageFileExtension(QStringLiteral(".hidden")), QString());
    EXPECT_EQ(ImageFileExtension(QStringLiteral("a.b.png")), QStringLiteral(".PNG"));
    ASSERT_TRUE(images.LoadImageFile(Save(dir, QStringLiteral("plain"), alpha, "PNG"), 4, 1));
    EXPECT_EQ(images.ImageSize(4), QSize(8, 6));
    ASSERT_TRUE(images.LoadImageFile(Save(dir, QStringLiteral("iconfile"), Strip(16, 16, 4), "ICO"), 5, 1));
    EXPECT_EQ(images.ImageSize(5), QSize(16, 16));

    // Not an image at all, and an image too big to allocate.
    WriteText(dir.filePath(QStringLiteral("text.png")), "not an image");
    EXPECT_FALSE(images.LoadImageFile(dir.filePath(QStringLiteral("text.png")), 6, 1));
    EXPECT_FALSE(images.LoadImageFile(HugeBitmap(dir), 6, 1));
    EXPECT_FALSE(images.AddImageFile(HugeBitmap(dir), QStringLiteral("huge.bmp")));
}

TEST(ImageManager, NamesStayAlignedWithIdentifiers)
{
    QTemporaryDir dir;
    CMyImageManagerExternFile images;
    const QString redPath = Save(dir, QStringLiteral("red.png"), Solid(4, 4, Qt::red), "PNG");
    const QString greenPath = Save(dir, QStringLiteral("green.png"), Solid(5, 5, Qt::green), "PNG");

    ASSERT_TRUE(images.AddImageFile(redPath, QStringLiteral("Red.png")));
    EXPECT_EQ(images.FindByName(QStringLiteral("RED.PNG")), 0);
    EXPECT_TRUE(images.ContainsName(QStringLiteral("red.png")));
    EXPECT_EQ(images.FindByName(QStringLiteral("other.png")), -1);

    // A name already listed: registered under the next identifier, the name not repeated...
    ASSERT_TRUE(images.AddImageFile(greenPath, QStringLiteral("red.PNG")));
    EXPECT_EQ(images.Names(), QStringList{QStringLiteral("RED.PNG")});
    EXPECT_EQ(images.ImageSize(1), QSize(5, 5));
    // ...so the next new name replaces that image and takes its identifier.
    ASSERT_TRUE(images.AddImageFile(redPath, QStringLiteral("second.png")));
    EXPECT_EQ(images.FindByName(QStringLiteral("second.png")), 1);
    EXPECT_EQ(images.ImageByName(QStringLiteral("Second.png"))->size(), QSize(4, 4));
    EXPECT_EQ(images.ImageByName(QStringLiteral("red.png"))->size(), QSize(4, 4));

    // A failed add lists nothing.
    EXPECT_FALSE(images.AddImageFile(dir.filePath(QStringLiteral("none.png")), QStringLiteral("none.png")));
    EXPECT_EQ(images.Names().size(), 2);

    // A 32-bit BMP added by a ".bmp" name is drawn opaque; the same pixels in a PNG keep alpha.
    QImage seeThrough(3, 3, QImage::Format_ARGB32);
    seeThrough.fill(QColor(0, 0, 255, 0));
    ASSERT_TRUE(images.AddImageFile(Save(dir, QStringLiteral("bg.bmp"), seeThrough, "BMP"), QStringLiteral("bg.bmp")));
    EXPECT_EQ(qAlpha(images.ImageByName(QStringLiteral("BG.BMP"))->pixel(1, 1)), 255);
    ASSERT_TRUE(images.AddImageFile(Save(dir, QStringLiteral("bg.png"), seeThrough, "PNG"), QStringLiteral("bg.png")));
    EXPECT_EQ(qAlpha(images.ImageByName(QStringLiteral("bg.png"))->pixel(1, 1)), 0);

    images.RemoveImage(0);
    EXPECT_EQ(images.ImageByName(QStringLiteral("red.png")), nullptr);
    EXPECT_TRUE(images.ContainsName(QStringLiteral("red.png")));
}

TEST(TextCodec, WindowsBytesRoundTrip)
{
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every.push_back(char(byte));
    const QString text = FromFileText(every);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(text.at(0xE9 - 1), QChar(0xE9));     // é
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC));   // €
    EXPECT_EQ(text.at(0x81 - 1), QChar(0x81));     // undefined in the code page: kept as is
    EXPECT_EQ(ToFileText(text), every);

    EXPECT_EQ(ToFileText(QStringLiteral("Fader \u20AC caf\u00E9")), "Fader \x80 caf\xE9");
    EXPECT_EQ(ToFileText(QStringLiteral("\u65E5 \U0001F600!")), "? ?!");
    EXPECT_EQ(FromFileText(""), QString());
}
