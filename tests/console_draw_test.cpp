// Drawing console controls and whole consoles: what is drawn where, in which state, and when
// a control is left out.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "design/default_look.h"
#include "design/draw_design.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/ctrl_button.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_label.h"
#include "model/ctrl_text.h"

using namespace dataConsole;
using korvane::MakeColorRef;

namespace {

// The editing canvas at zoom 1, or the preview when live; the whole window is seen.
CDrawContext At(bool live = false, float zoom = 1.0f)
{
    return {zoom, QPoint(kCanvasMargin, kCanvasMargin), QRect(), live};
}

QImage Canvas(QSize size = {300, 300}, QColor fill = Qt::white)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// The columns of `image` inside `area` holding a pixel that differs from `background`.
std::pair<int, int> InkColumns(const QImage &image, const QRect &area, QRgb background)
{
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

std::pair<int, int> InkRows(const QImage &image, const QRect &area, QRgb background)
{
    const QImage turned = image.transformed(QTransform(0, 1, 1, 0, 0, 0));
    return InkColumns(turned, area.transposed(), background);
}

// A button with its image at the top of its rectangle and a text area below it.
std::unique_ptr<CCtrl_Button> MakeButton(CConsoleData &console, QRect rect)
{
    auto button = std::make_unique<CCtrl_Button>(&console, nullptr, nullptr);
    button->SetRect(rect);
    button->SetImageOffset({0, 0});
    button->SetImageSize({rect.width(), rect.height() - 20});
    button->SetTextRect(QRect(0, rect.height() - 20, rect.width(), 20));
    button->SetLabel(0, QStringLiteral("GO"));
    button->SetTextColor(MakeColorRef(0, 0, 0));
    button->SetFontSize(14);
    return button;
}

} // namespace

TEST(ControlDrawing, VisibleAreaLeavesOutTheScrollBarBand)
{
    CConsoleData console;
    // Client 200 x 200: the visible area runs from (10, 10) to the row 10 + 200 - 22 = 188.
    CDrawContext context = At();
    context.visible = VisibleAreaOf(QRect(0, 0, 200, 200));
    auto button = MakeButton(console, QRect(20, 178, 40, 40));
    QImage image = Canvas();
    QPainter painter(&image);
    EXPECT_FALSE(button->Draw(painter, context)); // scaled top 188: on the band
    button->SetRect(QRect(20, 177, 40, 40));
    EXPECT_TRUE(button->Draw(painter, context));
    // Zoomed out, the same control comes back into view.
    button->SetRect(QRect(20, 300, 40, 40));
    EXPECT_FALSE(button->Draw(painter, context));
    context.zoom = 0.5f;
    EXPECT_TRUE(button->Draw(painter, context));
    // Each edge is zoomed and truncated on its own: left 4.5 -> 4, right 12, so 8 wide.
    EXPECT_EQ(At(false, 1.5f).Scaled(QRect(3, 3, 5, 5)), QRect(14, 14, 8, 8));
}

TEST(ControlDrawing, ButtonShowsItsValueOnlyInTheLivePreview)
{
    CConsoleData console;
    auto button = MakeButton(console, QRect(0, 0, 80, 60));
    button->SetValue(127);
    const DrawHelper::CDefaultLookImage *look = DrawHelper::DefaultLook().Image(DrawHelper::kDefaultButton);
    auto reference = [&](bool on) {
        QImage image = Canvas();
        QPainter painter(&image);
        DrawButton(painter, QRect(10, 10, 80, 40), nullptr, look, QColorOf(button->Color()), on, false, 0);
        return image.copy(10, 10, 80, 40);
    };
    auto drawn = [&](bool live) {
        QImage image = Canvas();
        QPainter painter(&image);
        button->Draw(painter, At(live));
        return image.copy(10, 10, 80, 40);
    };
    ASSERT_NE(reference(true), reference(false));
    EXPECT_EQ(drawn(false), reference(false)); // the editing canvas: at rest whatever the value
    EXPECT_EQ(drawn(true), reference(true));
}

TEST(ControlDrawing, ARotaryRestsAtZeroDegreesOnTheCanvasAndShowsItsValueAngleLive)
{
    CConsoleData console;
    CCtrl_FaderRotary rotary(&console, nullptr, nullptr);
    rotary.SetRect(QRect(0, 0, 60, 60));
    const auto *look = DrawHelper::DefaultLook().Image(DrawHelper::kDefaultRotary);
    auto pointedAt = [&](int angle) {
        QImage image = Canvas();
        QPainter painter(&image);
        DrawRotary(painter, QRect(10, 10, 60, 60), nullptr, look, QColorOf(rotary.Color()), angle);
        return image;
    };
    auto drawn = [&](bool live) {
        QImage image = Canvas();
        QPainter painter(&image);
        rotary.Draw(painter, At(live));
        return image;
    };
    // At rest the pointer lies at 0 degrees (to the right); live, a value of 0 points at the
    // lowest angle of the travel. Both come from the one drawing path.
    ASSERT_NE(pointedAt(0), pointedAt(CCtrl_FaderRotary::kDefaultAngleMin));
    EXPECT_EQ(drawn(false), pointedAt(0));
    EXPECT_EQ(drawn(true), pointedAt(CCtrl_FaderRotary::kDefaultAngleMin));
}

TEST(ControlDrawing, ControlTextIsCentredOnlyWithFourPixelsToSpare)
{
    CConsoleData console;
    auto button = MakeButton(console, QRect(0, 0, 80, 60));
    button->SetLabel(0, QStringLiteral("MMMM"));
    const int width = QFontMetrics(ControlFont(14)).horizontalAdvance(QStringLiteral("MMMM"));
    auto firstInk = [&](int spare) {
        button->SetTextRect(QRect(0, 40, width + spare, 20));
        QImage image = Canvas();
        QPainter painter(&image);
        button->Draw(painter, At());
        painter.end();
        return InkColumns(image, QRect(10, 50, width + spare, 20), qRgb(255, 255, 255)).first - 10;
    };
    const int leftAligned = firstInk(3);
    const int centred = firstInk(5);
    EXPECT_LE(leftAligned, 2);
    EXPECT_GE(centred, leftAligned + 2);
}

TEST(ControlDrawing, TextFrameIsAGreyFieldWithABlackOutline)
{
    CConsoleData console;
    auto button = MakeButton(console, QRect(0, 0, 80, 60));
    button->SetLabel(0, QStringLiteral("."));
    auto draw = [&](bool frame) {
        button->SetDrawFrame(frame);
        QImage image = Canvas({120, 120}, QColor(0, 0, 255));
        QPainter painter(&image);
        button->Draw(painter, At());
        return image;
    };
    const QImage framed = draw(true);
    // Text area: (10, 50) to (89, 69).
    EXPECT_EQ(framed.pixel(10, 50), qRgb(0, 0, 0));
    EXPECT_EQ(framed.pixel(89, 69), qRgb(0, 0, 0));
    EXPECT_EQ(framed.pixel(12, 52), qRgb(240, 240, 240));
    EXPECT_EQ(framed.pixel(90, 60), qRgb(0, 0, 255)); // nothing outside the area
    const QImage plain = draw(false);
    EXPECT_EQ(plain.pixel(10, 50), qRgb(0, 0, 255));
    EXPECT_EQ(plain.pixel(12, 52), qRgb(0, 0, 255));
}

TEST(ControlDrawing, LabelsShortenOrWrapWhatDoesNotFit)
{
    CConsoleData console;
    CCtrl_Label label(&console, nullptr, nullptr);
    label.SetRect(QRect(0, 0, 110, 80));
    label.SetFontSize(16);
    label.SetTextColor(MakeColorRef(0, 0, 0));
    label.SetLabel(0, QStringLiteral("Front wash warm and cool together"));
    const QRect box(15, 15, 100, 70); // the scaled rectangle less 5 on every side
    const int lineHeight = QFontMetrics(ControlFont(16)).height();
    auto draw = [&](int alignX, int alignY) {
        label.SetTAlignX(alignX);
        label.SetTAlignY(alignY);
        QImage image = Canvas();
        QPainter painter(&image);
        EXPECT_TRUE(label.Draw(painter, At()));
        return image;
    };
    const QRgb white = qRgb(255, 255, 255);
    // Left aligned: one line, clipped to the box, ending in an ellipsis rather than cut.
    const QImage left = draw(0, 0);
    const auto leftRows = InkRows(left, QRect(0, 0, 300, 300), white);
    EXPECT_LE(leftRows.second - leftRows.first, lineHeight);
    const auto leftColumns = InkColumns(left, QRect(0, 0, 300, 300), white);
    EXPECT_GE(leftColumns.first, box.left());
    EXPECT_LE(leftColumns.second, box.right());
    // Centred: word-wrapped over several lines inside the box.
    const QImage centre = draw(2, 0);
    const auto centreRows = InkRows(centre, QRect(0, 0, 300, 300), white);
    EXPECT_GT(centreRows.second - centreRows.first, lineHeight);
    EXPECT_LE(centreRows.second, box.bottom());
    // A short text aligned to the bottom right ends at the box's corner.
    label.SetLabel(0, QStringLiteral("Hi"));
    const QImage corner = draw(1, 1);
    const auto cornerColumns = InkColumns(corner, QRect(0, 0, 300, 300), white);
    const auto cornerRows = InkRows(corner, QRect(0, 0, 300, 300), white);
    EXPECT_GE(cornerColumns.second, box.right() - 3);
    EXPECT_LE(cornerColumns.second, box.right());
    EXPECT_GE(cornerRows.second, box.bottom() - lineHeight / 2);
    EXPECT_LE(cornerRows.second, box.bottom());
    // An empty text draws nothing, not even outside a frame.
    label.SetLabel(0, QString());
    EXPECT_EQ(draw(0, 0), Canvas());
}

TEST(ConsoleRendering, SurfaceAtZoomWithLabelsAbove)
{
    CConsoleData console;
    console.settings.width = 201;
    console.settings.height = 101;
    console.settings.background = MakeColorRef(10, 20, 30);
    console.settings.transparentBackground = false;
    console.AddControl(MakeButton(console, QRect(100, 40, 80, 60)));
    // A label first in the list, over the button: it must still be drawn above it.
    auto label = std::make_unique<CCtrl_Label>(&console, nullptr, nullptr);
    label->SetRect(QRect(100, 40, 80, 60));
    label->SetFontSize(30);
    label->SetTextColor(MakeColorRef(255, 0, 255));
    label->SetLabel(0, QStringLiteral("XXXX"));
    console.Controls().insert(console.Controls().begin(), std::move(label));

    const QImage image = RenderConsole(console, 1.5f, nullptr);
    EXPECT_EQ(image.size(), QSize(301, 151)); // 201 * 1.5 = 301.5, 101 * 1.5 = 151.5
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(300, 150), qRgb(10, 20, 30));
    EXPECT_NE(image.pixel(150 + 20, 60 + 10), qRgb(10, 20, 30));
    int magenta = 0;
    for (int y = 60; y < 150; ++y) {
        for (int x = 150; x < 270; ++x)
            magenta += image.pixel(x, y) == qRgb(255, 0, 255);
    }
    EXPECT_GT(magenta, 20);

    // With the background image on, it covers the colour.
    console.settings.transparentBackground = true;
    QImage background(4, 4, QImage::Format_RGB32);
    background.fill(qRgb(0, 200, 0));
    const QImage withImage = RenderConsole(console, 1.0f, &background);
    EXPECT_EQ(withImage.size(), QSize(201, 101));
    EXPECT_EQ(withImage.pixel(5, 5), qRgb(0, 200, 0));
}
