// The image manager over real image files: strips, icons, names kept aligned with
// identifiers, and absurd input refused.
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <tuple>

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
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor::fromHsv((x / cell * 37) % 360, 255, 255));
    return image;
}

QString Save(const QTemporaryDir &dir, const char *name, const QImage &image, const char *format)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(image.save(path, format)) << name;
    return path;
}

} // namespace

TEST(ImageManager, FilesLoadAsStripsOrIconsOrNotAtAll)
{
    QTemporaryDir dir;
    CMyImageManagerExternFile images;
    const QImage strip = Strip(160, 20, 20);
    const QString wheel = Save(dir, "wheel.png", strip, "PNG");
    ASSERT_TRUE(images.LoadImageFile(wheel, 3001, 8));
    for (unsigned id = 3001; id <= 3008; ++id) {
        ASSERT_EQ(images.ImageSize(id), QSize(20, 20)) << id;
        EXPECT_EQ(images.Image(id)->pixel(10, 10), strip.pixel(int(id - 3001) * 20 + 10, 10)) << id;
    }
    EXPECT_EQ(images.Image(3009), nullptr);

    // 100 pixels in 3 cells: 33 each, the last column unused.
    ASSERT_TRUE(images.LoadImageFile(Save(dir, "odd.png", Strip(100, 10, 33), "PNG"), 10, 3));
    EXPECT_EQ(images.Image(12)->size(), QSize(33, 10));
    EXPECT_EQ(images.Image(12)->pixel(0, 0), Strip(100, 10, 33).pixel(66, 0));

    // A shorter load replaces only the first identifier; the rest of the old strip stays.
    ASSERT_TRUE(images.LoadImageFile(Save(dir, "single.bmp", Strip(7, 5, 7), "BMP"), 3001, 1));
    EXPECT_EQ(images.ImageSize(3001), QSize(7, 5));
    EXPECT_EQ(images.ImageSize(3002), QSize(20, 20));

    // Counts no strip can hold are refused without cutting anything.
    EXPECT_FALSE(images.LoadImageFile(wheel, 500, 161));
    EXPECT_FALSE(images.LoadImageFile(wheel, 500, 5'000'000));
    EXPECT_EQ(images.Image(500), nullptr);

    QImage alpha(8, 6, QImage::Format_ARGB32);
    alpha.fill(QColor(255, 0, 0, 64));
    const QString png = Save(dir, "a.png", alpha, "PNG");
    const QString icon = Save(dir, "knob.Ico", Strip(32, 32, 8), "ICO");
    WriteText(dir.filePath(QStringLiteral("text.png")), "not an image");
    // Too big to allocate: 4 MB of pixels under a limit lowered to 1 MB.
    const QString big = Save(dir, "big.png", Solid(1000, 1000, Qt::red), "PNG");
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);

    // An icon file in any letter case is one icon at its own size, never a strip; a name
    // without an extension is tried as a bitmap, then as an icon; a failed load leaves
    // nothing under its identifier, whatever was there before.
    const std::tuple<QString, int, QSize> loads[] = {
        {png, 1, {8, 6}},
        {icon, 1, {32, 32}},
        {icon, 2, {0, 0}},
        {Save(dir, "plain", alpha, "PNG"), 1, {8, 6}},
        {Save(dir, "iconfile", Strip(16, 16, 4), "ICO"), 1, {16, 16}},
        {dir.filePath(QStringLiteral("text.png")), 1, {0, 0}},
        {dir.filePath(QStringLiteral("missing.png")), 1, {0, 0}},
        {big, 1, {0, 0}},
    };
    for (const auto &[path, count, size] : loads) {
        EXPECT_EQ(images.LoadImageFile(path, 7, count), !size.isEmpty()) << path.toStdString() << " " << count;
        EXPECT_EQ(images.ImageSize(7), size) << path.toStdString() << " " << count;
    }
    EXPECT_FALSE(images.AddImageFile(big, QStringLiteral("big.png")));
    QImageReader::setAllocationLimit(limit);
    ASSERT_TRUE(images.LoadImageFile(png, 1, 1));
    EXPECT_EQ(qAlpha(images.Image(1)->pixel(3, 3)), 64);

    EXPECT_EQ(ImageFileExtension(QStringLiteral("/x.y/noext")), QString());
    EXPECT_EQ(ImageFileExtension(QStringLiteral(".hidden")), QString());
    EXPECT_EQ(ImageFileExtension(QStringLiteral("a.b.png")), QStringLiteral(".PNG"));
}

TEST(ImageManager, NamesStayAlignedWithIdentifiers)
{
    QTemporaryDir dir;
    CMyImageManagerExternFile images;
    const QString redPath = Save(dir, "red.png", Solid(4, 4, Qt::red), "PNG");
    ASSERT_TRUE(images.AddImageFile(redPath, QStringLiteral("Red.png")));
    EXPECT_EQ(images.FindByName(QStringLiteral("RED.PNG")), 0);

    // A name already listed: registered under the next identifier, the name not repeated...
    ASSERT_TRUE(images.AddImageFile(Save(dir, "green.png", Solid(5, 5, Qt::green), "PNG"), QStringLiteral("red.PNG")));
    EXPECT_EQ(images.Names(), QStringList{QStringLiteral("RED.PNG")});
    EXPECT_EQ(images.ImageSize(1), QSize(5, 5));
    // ...so the next new name replaces that image and takes its identifier.
    ASSERT_TRUE(images.AddImageFile(redPath, QStringLiteral("second.png")));
    EXPECT_EQ(images.ImageByName(QStringLiteral("Second.png"))->size(), QSize(4, 4));
    // A failed add lists nothing.
    EXPECT_FALSE(images.AddImageFile(dir.filePath(QStringLiteral("none.png")), QStringLiteral("none.png")));
    EXPECT_EQ(images.Names().size(), 2);

    // A 32-bit BMP added by a ".bmp" name is drawn opaque; the same pixels in a PNG keep alpha.
    const QImage seeThrough = Solid(3, 3, QColor(0, 0, 255, 0));
    ASSERT_TRUE(images.AddImageFile(Save(dir, "bg.bmp", seeThrough, "BMP"), QStringLiteral("bg.bmp")));
    EXPECT_EQ(qAlpha(images.ImageByName(QStringLiteral("BG.BMP"))->pixel(1, 1)), 255);
    ASSERT_TRUE(images.AddImageFile(Save(dir, "bg.png", seeThrough, "PNG"), QStringLiteral("bg.png")));
    EXPECT_EQ(qAlpha(images.ImageByName(QStringLiteral("bg.png"))->pixel(1, 1)), 0);
}

TEST(TextCodec, WindowsBytesRoundTrip)
{
    // Every byte but NUL survives the round trip, the code page's undefined ones as the
    // control characters of the same value.
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every.push_back(char(byte));
    const QString text = FromFileText(every);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(text.at(0xE9 - 1), QChar(0xE9));   // é
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC)); // €
    EXPECT_EQ(text.at(0x81 - 1), QChar(0x81));
    EXPECT_EQ(ToFileText(text), every);
    // What the code page lacks becomes '?', a character beyond 16 bits a single one.
    EXPECT_EQ(ToFileText(QStringLiteral("\u65E5 \U0001F600!")), "? ?!");
}
