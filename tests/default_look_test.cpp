// The default look: every image rendered from its artwork with its states and cell size, the
// icons and wheel frames cut from their strips, and artwork that is missing or broken.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include "design/default_look.h"
#include "test_support.h"

using namespace dataConsole::DrawHelper;

namespace {

// Resource, states, and the size of a state at the natural scale.
const std::tuple<int, int, QSize> kLayouts[] = {
    {kDefaultButton, 2, {48, 48}},         {kDefaultSliderVert, 4, {32, 32}},   {kDefaultSliderHorz, 4, {32, 32}},
    {kDefaultRotary, 1, {64, 64}},         {kDefaultInsetPanel, 1, {48, 48}},   {kDefaultWheelBackground, 1, {48, 96}},
    {kDefaultWheelFrames, 1, {864, 96}},   {kDefaultPanTiltPuck, 1, {24, 24}},  {kDefaultPanArrows, 1, {16, 16}},
    {kDefaultTiltArrows, 1, {16, 16}},     {kDefaultCentreMark, 1, {16, 16}},   {kDefaultColourSelector, 1, {16, 16}},
    {kDefaultValueThumb, 1, {16, 12}},     {kDefaultLabelFrame, 2, {32, 32}},   {kHandleMarker, 1, {16, 16}},
    {kHandleMarkerPrimary, 1, {16, 16}},
};

// Share of the pixels of `rect` more opaque than `alpha`: clearly visible ones by default.
double Coverage(const QImage &image, const QRect &rect, int alpha = 64)
{
    int visible = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            visible += qAlpha(image.pixel(x, y)) > alpha;
    return double(visible) / (rect.width() * rect.height());
}

} // namespace

TEST(DefaultLook, EveryImageHasItsStatesAndCellSizeAtEachScaleAndStripsAreCut)
{
    for (const qreal scale : {1.0, 2.0}) {
        const CDefaultLook look(scale);
        EXPECT_TRUE(look.IsComplete());
        for (const auto &[resource, states, cell] : kLayouts) {
            SCOPED_TRACE(resource);
            const CDefaultLookImage *image = look.Image(resource);
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->bitmap.format(), QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(image->bitmap.devicePixelRatio(), scale);
            EXPECT_EQ(image->bitmap.size(), QSize(cell.width(), cell.height() * states) * scale);
            for (int state = 0; state < states; ++state) {
                const QRect rect = image->StateRect(state);
                EXPECT_EQ(rect, QRect(QPoint(0, state * rect.height()), cell * scale));
                EXPECT_GT(Coverage(image->bitmap, rect), 0.08) << "state " << state << " is nearly empty";
                for (int other = 0; other < state; ++other)
                    EXPECT_NE(image->bitmap.copy(rect), image->bitmap.copy(image->StateRect(other)));
            }
            EXPECT_TRUE(image->StateRect(states).isEmpty());
            EXPECT_TRUE(image->StateRect(-1).isEmpty());
        }
        EXPECT_EQ(look.Image(20099), nullptr);
    }
    // The shared look takes the screen's ratio: 1 offscreen, or without a GUI application.
    EXPECT_EQ(DefaultLook().Scale(), 1.0);
    // Its handle markers: red for the primary selection, grey otherwise.
    const QColor red = DefaultLook().HandleMarker(true).pixelColor(8, 9);
    const QColor grey = DefaultLook().HandleMarker(false).pixelColor(8, 9);
    EXPECT_GT(red.red(), 2 * red.green());
    EXPECT_LT(qAbs(grey.red() - grey.blue()), 16);

    // Each icon keeps clear of its neighbours in the strip: not a pixel shows at its edges.
    const CDefaultLook doubled(2.0);
    for (const int resource : {kDefaultPanArrows, kDefaultTiltArrows, kDefaultCentreMark}) {
        const QImage &icon = doubled.Image(resource)->bitmap;
        EXPECT_EQ(Coverage(icon, QRect(0, 0, 1, icon.height()), 0), 0.0) << resource;
        EXPECT_EQ(Coverage(icon, QRect(icon.width() - 1, 0, 1, icon.height()), 0), 0.0) << resource;
    }
    EXPECT_NE(doubled.Image(kDefaultPanArrows)->bitmap, doubled.Image(kDefaultTiltArrows)->bitmap);

    // The wheel: its housing, then eighteen distinct frames drawn over it, the drum filling the
    // centre and the rim left clear.
    const QList<QImage> &wheel = doubled.WheelImages();
    ASSERT_EQ(wheel.size(), 1 + kDefaultWheelFrameCount);
    EXPECT_EQ(wheel[0], doubled.Image(kDefaultWheelBackground)->bitmap);
    for (int i = 1; i < wheel.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(wheel[i].size(), QSize(96, 192));
        for (int j = 1; j < i; ++j)
            EXPECT_NE(wheel[i], wheel[j]) << "frame " << j;
        EXPECT_EQ(qAlpha(wheel[i].pixel(48, 96)), 255);
        EXPECT_EQ(qAlpha(wheel[i].pixel(6, 96)) + qAlpha(wheel[i].pixel(48, 8)), 0);
    }
}

TEST(DefaultLook, MissingOrBrokenArtworkLeavesOnlyThatImageEmpty)
{
    EXPECT_TRUE(CDefaultLook().IsComplete()); // also registers the resources read below
    QTemporaryDir dir;
    const QDir resources(CDefaultLook::ResourceFolder());
    for (const QString &name : resources.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(resources.filePath(name), dir.filePath(name)));
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("button.svg"))));
    korvane::test::WriteText(dir.filePath(QStringLiteral("rotary.svg")), "<svg");

    const CDefaultLook look(1.0, dir.path());
    EXPECT_FALSE(look.IsComplete());
    ASSERT_NE(look.Image(kDefaultButton), nullptr);
    EXPECT_TRUE(look.Image(kDefaultButton)->bitmap.isNull());
    EXPECT_TRUE(look.Image(kDefaultButton)->StateRect(0).isEmpty());
    EXPECT_TRUE(look.Image(kDefaultRotary)->bitmap.isNull());
    // The rest is read from the folder given.
    EXPECT_FALSE(look.Image(kDefaultSliderVert)->bitmap.isNull());
    EXPECT_EQ(look.WheelImages().size(), 1 + kDefaultWheelFrameCount);
}
