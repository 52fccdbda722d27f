// Drawing controls from designs: where the pixels land, the fallbacks to the default look,
// and the geometry the mouse handlers rely on.
#include <gtest/gtest.h>

#include <QPainter>

#include <tuple>

#include "design/data_ccd.h"
#include "design/default_look.h"
#include "design/draw_design.h"
#include "design/draw_geometry.h"
#include "design/draw_helper.h"
#include "test_support.h"

using namespace dataConsole;
using namespace dataConsole::ccdImage;
using namespace dataConsole::DrawHelper;
using korvane::test::Solid;

namespace {

// Draws with `draw(painter, rect)` onto a transparent canvas of that rectangle and returns it.
template <typename Draw>
QImage Drawn(int width, int height, Draw draw)
{
    QImage canvas = Solid(width, height, Qt::transparent);
    QPainter painter(&canvas);
    draw(painter, QRect(0, 0, width, height));
    painter.end();
    return canvas;
}

bool IsEmpty(const QImage &image)
{
    return image == Solid(image.width(), image.height(), Qt::transparent);
}

// Each listed pixel of `image`: x, y and the colour without its alpha.
void ExpectPixels(const QImage &image, std::initializer_list<std::tuple<int, int, QRgb>> pixels)
{
    for (const auto &[x, y, colour] : pixels)
        EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, colour) << "at (" << x << ", " << y << ")";
}

const QRgb kRed = 0xFF0000;
const QRgb kBlue = 0x0000FF;

} // namespace

TEST(DrawDesign, PartsShowTheirStateAndFallBackToTheDefaultLook)
{
    CDataCCD design;
    design.ImageManager().SetImage(kButtonOn, Solid(10, 10, Qt::red));
    const CDefaultLookImage *buttonLook = DefaultLook().Image(kDefaultButton);
    const auto button = [&](const CDataCCD *from, const CDefaultLookImage *look, QColor colour, bool on,
                            bool inGroup = false, int index = 0) {
        return Drawn(40, 20, [&](QPainter &p, QRect r) { DrawButton(p, r, from, look, colour, on, inGroup, index); });
    };

    ExpectPixels(button(&design, buttonLook, Qt::gray, true), {{0, 0, kRed}, {39, 19, kRed}}); // stretched over it all
    // Only the on image: the off state shows nothing, not even the default look.
    EXPECT_TRUE(IsEmpty(button(&design, buttonLook, Qt::gray, false)));

    // Without either image, or without a design, the default look in the control's colour; without a look, nothing.
    CDataCCD bare;
    EXPECT_FALSE(IsEmpty(button(&bare, buttonLook, Qt::gray, false)));
    EXPECT_TRUE(IsEmpty(button(nullptr, nullptr, Qt::gray, true)));
    EXPECT_TRUE(IsEmpty(Drawn(50, 50, [](QPainter &p, QRect r) { DrawGroupIncDec(p, r, nullptr, nullptr, 0, -1); })));
    EXPECT_NE(button(nullptr, buttonLook, Qt::gray, false), button(nullptr, buttonLook, Qt::red, false));

    // A button of a group uses its own image, else the design's button image.
    design.groupButtons.SetButtonCount(2);
    design.ImageManager().SetImage(kGroupButtonsFirstButton + 2 + 1, Solid(5, 5, Qt::blue)); // button 1 on
    ExpectPixels(button(&design, buttonLook, Qt::gray, true, true, 1), {{20, 10, kBlue}});
    ExpectPixels(button(&design, buttonLook, Qt::gray, true, true, 0), {{20, 10, kRed}});

    // The group's buttons are hit at twice its size, their rectangles right and bottom
    // exclusive (at natural size the widget tests click them).
    design.ImageManager().SetImage(kGroupButtonsBackground, Solid(100, 50, Qt::white));
    design.groupButtons.Button(1)->image = QRect(60, 10, 20, 20);
    EXPECT_EQ(HitGroupButton(QRect(0, 0, 200, 100), &design, QPoint(159, 59)), 1);
    EXPECT_EQ(HitGroupButton(QRect(0, 0, 200, 100), &design, QPoint(160, 60)), -1);
    EXPECT_EQ(HitGroupButton(QRect(0, 0, 200, 100), nullptr, QPoint(25, 25)), -1);

    // A slider's cursor stops at its offsets (the vertical one, the other way up, is driven in the widget tests).
    design.ImageManager().SetImage(kSliderHorzBackground, Solid(100, 20, Qt::blue));
    design.ImageManager().SetImage(kSliderHorzCursor, Solid(10, 20, Qt::red));
    design.sliderHorz.offsetX = 5;
    const QRect rect(0, 0, 200, 40); // twice the design's size
    const auto slider = [&](int pos, const CDefaultLookImage *look = nullptr) {
        return Drawn(200, 40, [&](QPainter &p, QRect r) { DrawSliderHorz(p, r, &design, look, Qt::gray, pos); });
    };
    ExpectPixels(slider(0), {{9, 20, kBlue}, {10, 20, kRed}, {29, 20, kRed}, {30, 20, kBlue}});
    // Beyond the travel the cursor stands flush with the right offset.
    ExpectPixels(slider(5000), {{169, 20, kBlue}, {170, 20, kRed}, {189, 20, kRed}, {190, 20, kBlue}});

    // The mouse takes the cursor by its middle, within the travel of 200 - 20 - 20.
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 0), 0);
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 50), 50 - (10 + 10));
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 1000), 160);

    // A design missing its cursor falls back to the default look.
    design.ImageManager().RemoveImage(kSliderHorzCursor);
    const QImage fallback = slider(0, DefaultLook().Image(kDefaultSliderHorz));
    EXPECT_NE(fallback.pixel(100, 20) & 0xFFFFFF, kBlue);
    EXPECT_FALSE(IsEmpty(fallback));

    // A rotary's pointer lies to the right of the centre, trunc(max(2, 3 * scale)) rows thick.
    design.ImageManager().SetImage(kRotaryDial, Solid(40, 40, Qt::black));
    design.rotary.radius = 15;
    const auto rotary = [&](int size, double angle) {
        return Drawn(size, size, [&](QPainter &p, QRect r) { DrawRotary(p, r, &design, nullptr, Qt::gray, angle); });
    };
    const QImage doubled = rotary(80, 0.0);
    int rows = 0;
    for (int y = 0; y < 80; ++y)
        rows += (doubled.pixel(60, y) & 0xFFFFFF) == (kRotaryPointerColour & 0xFFFFFF) ? 1 : 0;
    EXPECT_EQ(rows, 6);
    // With a cursor image, the image is centred on the pointer point instead: 15 pixels above
    // the centre (screen y grows downward), and no line drawn.
    design.ImageManager().SetImage(kRotaryCursor, Solid(4, 4, Qt::red));
    ExpectPixels(rotary(40, 90.0), {{20, 5, kRed}, {30, 20, 0}});

    // A wheel's frames wrap around.
    design.wheel.imageCount = 8;
    for (int i = 0; i < 8; ++i)
        design.ImageManager().SetImage(kWheelStrip + unsigned(i), Solid(4, 4, QColor(i * 30, 0, 0)));
    const QList<QImage> &frames = DefaultLook().WheelImages();
    const auto wheel = [&](int size, int index) {
        return Drawn(size, size, [&](QPainter &p, QRect r) { DrawWheel(p, r, &design, &frames, Qt::gray, index); });
    };
    EXPECT_EQ(wheel(8, 19).pixelColor(4, 4).red(), 3 * 30); // 19 mod 8
    EXPECT_EQ(wheel(8, -1).pixelColor(4, 4).red(), 7 * 30); // below 0 still shows a frame
    // No frames in the design: the default wheel (whose frames the widget tests turn).
    design.wheel.imageCount = 0;
    EXPECT_FALSE(IsEmpty(wheel(48, 5)));
}

TEST(DrawHelper, NineSliceKeepsCornersAndStretchesTheRest)
{
    QImage source = Solid(30, 60, Qt::black); // 2 states of 30 x 30; parts of state 1 in colours
    QPainter painter(&source);
    painter.fillRect(0, 30, 10, 10, Qt::red);     // state 1, top-left corner
    painter.fillRect(10, 30, 10, 10, Qt::green);  // state 1, top edge
    painter.fillRect(20, 50, 10, 10, Qt::blue);   // state 1, bottom-right corner
    painter.fillRect(10, 40, 10, 10, Qt::yellow); // state 1, centre
    painter.end();
    const auto nineSlice = [&](int width, int height, QMargins margins) {
        return Drawn(width, height, [&](QPainter &p, QRect r) { DrawNineSlice(p, source, 1, 2, r, margins); });
    };

    ExpectPixels(nineSlice(100, 60, QMargins(10, 10, 10, 10)),
                 {{9, 9, kRed}, {50, 5, 0x00FF00}, {50, 30, 0xFFFF00}, {90, 50, kBlue}, {99, 59, kBlue}});

    // Margins taller than the state: nothing. Same width as the source: no side margins.
    EXPECT_TRUE(IsEmpty(nineSlice(100, 60, QMargins(10, 20, 10, 11))));
    ExpectPixels(nineSlice(30, 90, QMargins(10, 10, 10, 10)), {{5, 5, kRed}, {15, 45, 0xFFFF00}});
}

TEST(DrawHelper, SelectionFrameRecordsAndHitsHandles)
{
    const QRect rect(QPoint(20, 30), QPoint(119, 79)); // left 20, top 30, right 120, bottom 80
    const auto frameOf = [&](bool primary, int mask, CCadreSelect *record, QColor colour) {
        return Drawn(200, 150, [&](QPainter &p, QRect) { DrawSelectionFrame(p, rect, primary, mask, record, colour); });
    };
    // A handle and the outline in the primary colour; inside stays clear.
    CCadreSelect frame;
    ExpectPixels(frameOf(true, kAllHandles, &frame, QColor()), {{17, 27, 0xFF1E1E}, {60, 30, 0xFF1E1E}, {60, 50, 0}});

    // Each handle reaches 5 pixels out from its point and 1 in; handles win over the frame.
    const QPoint onHandle[] = {{16, 26}, {70, 26}, {122, 26}, {122, 55}, {122, 82}, {70, 82}, {16, 82}, {16, 55}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(HitTestFrame(frame, onHandle[i]), 3 + i) << i;
    EXPECT_EQ(HitTestFrame(frame, QPoint(60, 50)), 2);
    EXPECT_EQ(HitTestFrame(frame, QPoint(150, 50)), 0);

    // Handles outside the mask are outlined and not recorded; the frame takes the given colour.
    CCadreSelect fresh;
    ExpectPixels(frameOf(false, kNoHandles, &fresh, QColor(0, 0, 255)), {{60, 30, kBlue}, {15, 25, 0xC8C8C8}});
    EXPECT_EQ(HitTestFrame(fresh, QPoint(16, 26)), 0);

    EXPECT_TRUE(HitHandlePoint(QPoint(50, 50), QPoint(45, 45)));
    EXPECT_FALSE(HitHandlePoint(QPoint(50, 50), QPoint(55, 50)));
}

TEST(DrawDesign, MixerColoursAndThePanTiltPuck)
{
    // Hue, saturation, value to a colour with red in the low byte.
    const std::tuple<int, int, int, quint32> colours[] = {
        {0, 255, 255, 0x0000FF},   {120, 255, 255, 0x00FF00}, {240, 255, 255, 0xFF0000},
        {60, 255, 255, 0x00FFFF},  {200, 0, 77, 0x4D4D4D},    // no saturation: grey
        {30, 255, 200, 0x0064C8},  // half-way through the first sector
    };
    for (const auto &[hue, saturation, value, colour] : colours)
        EXPECT_EQ(TrichroColour(hue, saturation, value), colour) << hue << " " << saturation << " " << value;

    // A value's place on a reversed range truncates toward zero: 100 - 33.3 gives 66, not 67.
    EXPECT_EQ(ScaleValue(100, 0, 1, 0, 3), 66);

    // The puck goes where pan and tilt put it.
    const CDefaultLook &look = DefaultLook();
    const auto pad = [&](int pan, int tilt) {
        return Drawn(242, 242, [&](QPainter &p, QRect r) { DrawPanTilt(p, r, pan, tilt, {-1, -1}, Qt::gray, &look); });
    };
    EXPECT_FALSE(IsEmpty(pad(0, 127)));
    EXPECT_NE(pad(0, 127), pad(127, 0));
}
