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

// Draws with `draw` onto a transparent canvas and returns it.
template <typename Draw>
QImage Drawn(int width, int height, Draw draw)
{
    QImage canvas = Solid(width, height, Qt::transparent);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

bool IsEmpty(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

QRgb Rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

const QRgb kRed = 0xFF0000;
const QRgb kGreen = 0x00FF00;
const QRgb kBlue = 0x0000FF;
const QRgb kYellow = 0xFFFF00;

} // namespace

TEST(DrawDesign, ButtonStatesAndFallbacks)
{
    CDataCCD design;
    design.ImageManager().SetImage(kButtonOn, Solid(10, 10, Qt::red));
    const CDefaultLookImage *look = DefaultLook().Image(kDefaultButton);
    ASSERT_NE(look, nullptr);
    const auto button = [&](const CDataCCD *from, const CDefaultLookImage *fallback, QColor colour, bool on,
                            bool inGroup = false, int index = 0) {
        return Drawn(40, 20, [&](QPainter &p) {
            DrawButton(p, QRect(0, 0, 40, 20), from, fallback, colour, on, inGroup, index);
        });
    };

    const QImage on = button(&design, look, Qt::gray, true);
    EXPECT_EQ(Rgb(on, 0, 0), kRed);
    EXPECT_EQ(Rgb(on, 39, 19), kRed); // stretched over the whole rectangle
    // Only the on image: the off state shows nothing, not even the default look.
    EXPECT_TRUE(IsEmpty(button(&design, look, Qt::gray, false)));

    // Without either image, or without a design, the default look.
    CDataCCD bare;
    EXPECT_FALSE(IsEmpty(button(&bare, look, Qt::gray, false)));
    EXPECT_FALSE(IsEmpty(button(nullptr, look, Qt::gray, true)));
    EXPECT_TRUE(IsEmpty(button(nullptr, nullptr, Qt::gray, true)));
    // The default look's two states differ, and the control's colour shows.
    const QImage offLook = button(nullptr, look, Qt::gray, false);
    EXPECT_NE(offLook, button(nullptr, look, Qt::gray, true));
    EXPECT_NE(offLook, button(nullptr, look, Qt::red, false));

    // A button of a group uses its own image, else the design's button image.
    design.groupButtons.SetButtonCount(2);
    design.ImageManager().SetImage(kGroupButtonsFirstButton + 2 + 1, Solid(5, 5, Qt::blue)); // button 1 on
    EXPECT_EQ(Rgb(button(&design, look, Qt::gray, true, true, 1), 20, 10), kBlue);
    EXPECT_EQ(Rgb(button(&design, look, Qt::gray, true, true, 0), 20, 10), kRed);
}

TEST(DrawDesign, SliderCursorsStopAtTheirOffsets)
{
    CDataCCD design;
    design.ImageManager().SetImage(kSliderHorzBackground, Solid(100, 20, Qt::blue));
    design.ImageManager().SetImage(kSliderHorzCursor, Solid(10, 20, Qt::red));
    design.sliderHorz.offsetX = 5;
    const QRect rect(0, 0, 200, 40); // twice the design's size

    EXPECT_EQ(SliderTravelHorz(rect, &design), 200 - 20 - 20);
    QImage start = Drawn(200, 40, [&](QPainter &p) { DrawSliderHorz(p, rect, &design, nullptr, Qt::gray, 0); });
    EXPECT_EQ(Rgb(start, 9, 20), kBlue);
    EXPECT_EQ(Rgb(start, 10, 20), kRed);
    EXPECT_EQ(Rgb(start, 29, 20), kRed);
    EXPECT_EQ(Rgb(start, 30, 20), kBlue);
    // Beyond the travel the cursor stands flush with the right offset.
    QImage end = Drawn(200, 40, [&](QPainter &p) { DrawSliderHorz(p, rect, &design, nullptr, Qt::gray, 5000); });
    EXPECT_EQ(Rgb(end, 189, 20), kRed);
    EXPECT_EQ(Rgb(end, 190, 20), kBlue);
    EXPECT_EQ(Rgb(end, 169, 20), kBlue);

    // The mouse takes the cursor by its middle, within the travel.
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 0), 0);
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 50), 50 - (10 + 10));
    EXPECT_EQ(SliderPosFromPointHorz(rect, &design, 1000), 160);
    EXPECT_EQ(SliderTravelHorz(QRect(0, 0, 90, 30), nullptr), 90); // no design: the whole width

    // A vertical slider at position 0 shows its cursor at the bottom; the mouse going up
    // raises the position.
    design.ImageManager().SetImage(kSliderVertBackground, Solid(20, 100, Qt::blue));
    design.ImageManager().SetImage(kSliderVertCursor, Solid(20, 10, Qt::red));
    const QRect tall(0, 0, 20, 100);
    QImage bottom = Drawn(20, 100, [&](QPainter &p) { DrawSliderVert(p, tall, &design, nullptr, Qt::gray, 0); });
    EXPECT_EQ(Rgb(bottom, 10, 99), kRed);
    EXPECT_EQ(Rgb(bottom, 10, 89), kBlue);
    QImage top = Drawn(20, 100, [&](QPainter &p) { DrawSliderVert(p, tall, &design, nullptr, Qt::gray, 90); });
    EXPECT_EQ(Rgb(top, 10, 0), kRed);
    EXPECT_EQ(SliderPosFromPointVert(tall, &design, 95), 0);
    EXPECT_EQ(SliderPosFromPointVert(tall, &design, 5), 90);
    EXPECT_EQ(SliderPosFromPointVert(tall, &design, 50), 90 - 45);

    // A design missing its cursor falls back to the default look.
    CDataCCD half;
    half.ImageManager().SetImage(kSliderHorzBackground, Solid(100, 20, Qt::blue));
    QImage fallback = Drawn(200, 40, [&](QPainter &p) {
        DrawSliderHorz(p, rect, &half, DefaultLook().Image(kDefaultSliderHorz), Qt::gray, 0);
    });
    EXPECT_NE(Rgb(fallback, 100, 20), kBlue);
    EXPECT_FALSE(IsEmpty(fallback));
}

TEST(DrawDesign, RotaryPointerLineAndCursor)
{
    CDataCCD design;
    design.ImageManager().SetImage(kRotaryDial, Solid(40, 40, Qt::black));
    design.rotary.radius = 15;
    auto pointerRows = [&](int size) {
        const QImage image = Drawn(size, size, [&](QPainter &p) {
            DrawRotary(p, QRect(0, 0, size, size), &design, nullptr, Qt::gray, 0.0);
        });
        // The pointer lies to the right of the centre; count its rows in one column.
        int rows = 0;
        for (int y = 0; y < size; ++y)
            rows += Rgb(image, size * 3 / 4, y) == (kRotaryPointerColour & 0xFFFFFF) ? 1 : 0;
        return rows;
    };
    // trunc(max(2, 3 * scale)): 3 at natural size, 6 at double size.
    EXPECT_EQ(pointerRows(40), 3);
    EXPECT_EQ(pointerRows(80), 6);

    // With a cursor image, the image is centred on the pointer point instead.
    design.ImageManager().SetImage(kRotaryCursor, Solid(4, 4, Qt::red));
    const QImage up = Drawn(40, 40, [&](QPainter &p) {
        DrawRotary(p, QRect(0, 0, 40, 40), &design, nullptr, Qt::gray, 90.0);
    });
    EXPECT_EQ(Rgb(up, 20, 5), kRed);   // 15 pixels above the centre: screen y grows downward
    EXPECT_EQ(Rgb(up, 30, 20), 0u);    // no line drawn
}

TEST(DrawDesign, WheelFramesWrap)
{
    CDataCCD design;
    design.wheel.imageCount = 8;
    for (int i = 0; i < 8; ++i)
        design.ImageManager().SetImage(kWheelStrip + unsigned(i), Solid(4, 4, QColor(i * 30, 0, 0)));
    auto shown = [&](int index) {
        return Drawn(8, 8, [&](QPainter &p) {
                   DrawWheel(p, QRect(0, 0, 8, 8), &design, nullptr, Qt::gray, index);
               }).pixelColor(4, 4).red();
    };
    EXPECT_EQ(shown(19), 3 * 30); // frame 3001 + 19 mod 8
    EXPECT_EQ(shown(-1), 7 * 30); // below 0 still shows a frame
    // No frames in the design: the default wheel.
    design.wheel.imageCount = 0;
    const QImage fallback = Drawn(48, 96, [&](QPainter &p) {
        DrawWheel(p, QRect(0, 0, 48, 96), &design, &DefaultLook().WheelImages(), Qt::gray, 5);
    });
    EXPECT_FALSE(IsEmpty(fallback));
    const QImage other = Drawn(48, 96, [&](QPainter &p) {
        DrawWheel(p, QRect(0, 0, 48, 96), nullptr, &DefaultLook().WheelImages(), Qt::gray, 6);
    });
    EXPECT_NE(fallback, other); // successive indexes show successive frames
}

TEST(DrawDesign, GroupsDrawAndHitTheirParts)
{
    CDataCCD design;
    CMyImageManagerExternFile &images = design.ImageManager();
    images.SetImage(kGroupButtonsBackground, Solid(100, 50, Qt::white));
    images.SetImage(kButtonOff, Solid(20, 20, Qt::blue));
    images.SetImage(kButtonOn, Solid(20, 20, Qt::red));
    design.groupButtons.SetButtonCount(2);
    design.groupButtons.Button(0)->image = QRect(10, 10, 20, 20);
    design.groupButtons.Button(1)->image = QRect(60, 10, 20, 20);
    design.groupButtons.Button(1)->button = QRect(55, 5, 30, 30);
    const QRect rect(0, 0, 200, 100); // twice the design

    const QImage group = Drawn(200, 100, [&](QPainter &p) { DrawGroupButtons(p, rect, &design, nullptr, 1, 1); });
    EXPECT_EQ(Rgb(group, 30, 30), kBlue);
    EXPECT_EQ(Rgb(group, 130, 30), kRed); // the pressed button
    EXPECT_EQ(Rgb(group, 110, 40), kBlue); // the off image of button 1 under its frame
    EXPECT_EQ(HitGroupButton(rect, &design, QPoint(25, 25)), 0);
    EXPECT_EQ(HitGroupButton(rect, &design, QPoint(159, 59)), 1);
    EXPECT_EQ(HitGroupButton(rect, &design, QPoint(160, 60)), -1);
    EXPECT_EQ(HitGroupButton(rect, &design, QPoint(90, 20)), -1);
    EXPECT_EQ(HitGroupButton(rect, nullptr, QPoint(25, 25)), -1);

    images.SetImage(kIncDecBackground, Solid(50, 20, Qt::white));
    images.SetImage(kIncOff, Solid(10, 10, Qt::red));
    images.SetImage(kDecOff, Solid(10, 10, Qt::blue));
    images.SetImage(kIncDecDisplay + 2, Solid(10, 10, Qt::green));
    design.groupIncDec.incX = 40;
    design.groupIncDec.displayX = 20;
    const QRect incdec(0, 0, 100, 40);
    const QImage drawn = Drawn(100, 40, [&](QPainter &p) { DrawGroupIncDec(p, incdec, &design, nullptr, 2, -1); });
    EXPECT_EQ(Rgb(drawn, 85, 10), kRed);
    EXPECT_EQ(Rgb(drawn, 5, 10), kBlue);
    EXPECT_EQ(Rgb(drawn, 45, 10), kGreen);
    EXPECT_EQ(HitGroupIncDec(incdec, &design, QPoint(85, 10)), 0);
    EXPECT_EQ(HitGroupIncDec(incdec, &design, QPoint(5, 10)), 1);
    EXPECT_EQ(HitGroupIncDec(incdec, &design, QPoint(50, 30)), -1);

    // Without a background and without a look, nothing at all.
    EXPECT_TRUE(IsEmpty(Drawn(50, 50, [&](QPainter &p) {
        DrawGroupIncDec(p, QRect(0, 0, 50, 50), nullptr, nullptr, 0, -1);
    })));
}

TEST(DrawGeometry, ScaleValueTruncatesAndClamps)
{
    EXPECT_EQ(ScaleValue(0, 100, 64, 0, 127), 50);  // 50.39
    EXPECT_EQ(ScaleValue(0, 100, -5, 0, 127), 0);
    EXPECT_EQ(ScaleValue(0, 100, 500, 0, 127), 100);
    EXPECT_EQ(ScaleValue(7, 100, 3, 5, 5), 7);      // empty input range
    EXPECT_EQ(ScaleValue(100, 0, 1, 0, 3), 66);     // 66.67, toward zero
    EXPECT_EQ(ScaleValue(0, -100, 1, 0, 3), -33);   // -33.3, toward zero
}

TEST(DrawHelper, NineSliceKeepsCornersAndStretchesTheRest)
{
    // Each of the nine parts of the source has its own colour.
    QImage source(30, 60, QImage::Format_ARGB32_Premultiplied); // 2 states of 30 x 30
    source.fill(Qt::black);
    QPainter painter(&source);
    painter.fillRect(0, 30, 10, 10, Qt::red);       // state 1, top-left corner
    painter.fillRect(10, 30, 10, 10, Qt::green);    // state 1, top edge
    painter.fillRect(20, 50, 10, 10, Qt::blue);     // state 1, bottom-right corner
    painter.fillRect(10, 40, 10, 10, Qt::yellow);   // state 1, centre
    painter.end();

    const QImage out = Drawn(100, 60, [&](QPainter &p) {
        DrawNineSlice(p, source, 1, 2, QRect(0, 0, 100, 60), QMargins(10, 10, 10, 10));
    });
    EXPECT_EQ(Rgb(out, 9, 9), kRed);
    EXPECT_EQ(Rgb(out, 50, 5), kGreen);
    EXPECT_EQ(Rgb(out, 50, 30), kYellow);
    EXPECT_EQ(Rgb(out, 90, 50), kBlue);
    EXPECT_EQ(Rgb(out, 99, 59), kBlue);

    // Margins taller than the state: nothing. Same width as the source: no side margins.
    EXPECT_TRUE(IsEmpty(Drawn(100, 60, [&](QPainter &p) {
        DrawNineSlice(p, source, 1, 2, QRect(0, 0, 100, 60), QMargins(10, 20, 10, 11));
    })));
    const QImage narrow = Drawn(30, 90, [&](QPainter &p) {
        DrawNineSlice(p, source, 1, 2, QRect(0, 0, 30, 90), QMargins(10, 10, 10, 10));
    });
    EXPECT_EQ(Rgb(narrow, 5, 5), kRed);
    EXPECT_EQ(Rgb(narrow, 15, 45), kYellow);
}

TEST(DrawHelper, SelectionFrameRecordsAndHitsHandles)
{
    CCadreSelect frame;
    EXPECT_EQ(HitTestFrame(frame, QPoint(0, 0)), 0); // nothing recorded yet
    const QRect rect(QPoint(20, 30), QPoint(119, 79)); // left 20, top 30, right 120, bottom 80
    const QImage canvas = Drawn(200, 150, [&](QPainter &p) { DrawSelectionFrame(p, rect, true, kAllHandles, &frame); });

    EXPECT_EQ(frame.Frame(), rect);
    EXPECT_EQ(Rgb(canvas, 17, 27), 0xFF1E1Eu); // the handle filled in the primary colour
    EXPECT_EQ(Rgb(canvas, 60, 30), 0xFF1E1Eu); // the outline
    EXPECT_EQ(qAlpha(canvas.pixel(60, 50)), 0); // inside stays clear

    // Each handle reaches 5 pixels out from its point and 1 in; handles win over the frame.
    const QPoint onHandle[] = {{16, 26}, {70, 26}, {122, 26}, {122, 55}, {122, 82}, {70, 82}, {16, 82}, {16, 55}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(HitTestFrame(frame, onHandle[i]), 3 + i) << i;
    EXPECT_EQ(HitTestFrame(frame, QPoint(20, 30)), 3); // a handle over the frame wins
    EXPECT_EQ(HitTestFrame(frame, QPoint(60, 50)), 2);
    EXPECT_EQ(HitTestFrame(frame, QPoint(150, 50)), 0);

    // Without handles nothing new is recorded; the frame is.
    CCadreSelect fresh;
    const QImage other = Drawn(200, 150, [&](QPainter &p) {
        DrawSelectionFrame(p, rect, false, kNoHandles, &fresh, QColor(0, 0, 255));
    });
    EXPECT_EQ(HitTestFrame(fresh, QPoint(16, 26)), 0);
    EXPECT_EQ(HitTestFrame(fresh, QPoint(60, 50)), 2);
    EXPECT_EQ(Rgb(other, 60, 30), kBlue);     // the given frame colour
    EXPECT_EQ(Rgb(other, 15, 25), 0xC8C8C8u); // outlined handle

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

    // The puck goes where pan and tilt put it.
    const auto pad = [](int pan, int tilt) {
        return Drawn(242, 242, [&](QPainter &p) {
            DrawPanTilt(p, QRect(0, 0, 242, 242), pan, tilt, QPoint(-1, -1), Qt::gray, &DefaultLook());
        });
    };
    const QImage topLeft = pad(0, 127);
    EXPECT_FALSE(IsEmpty(topLeft));
    EXPECT_NE(topLeft, pad(127, 0));
}
