// The live control widgets driven with the mouse: their state, the values they report, and when.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include "design/data_ccd.h"
#include "design/default_look.h"
#include "widgets/mirel_direct_input.h"
#include "widgets/csl_ctrl_button.h"
#include "widgets/csl_ctrl_groups.h"
#include "widgets/csl_ctrl_pads.h"
#include "widgets/csl_ctrl_slider.h"
#include "widgets/csl_ctrl_wheel.h"
#include "test_support.h"

using namespace dataConsole;
using namespace dataConsole::ccdImage;
using korvane::test::Solid;

namespace {

// A reader of relative movement that replays the deltas a test gives it and counts its releases.
struct CScriptedMouse : korvane::CRelativeMouse
{
    CScriptedMouse(QList<int> deltas, int *releases) : deltas(std::move(deltas)), releases(releases) {}
    void Create(QObject *) override {}
    void Poll(QPoint) override { m_deltaY = deltas.isEmpty() ? 0 : deltas.takeFirst(); }
    void Release() override { ++*releases; }
    QList<int> deltas;
    int *releases;
};

void Drag(QWidget &widget, QPoint from, const QList<QPoint> &through)
{
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    for (const QPoint &point : through) {
        QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&widget, &move);
    }
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, through.isEmpty() ? from : through.last());
}

// The first argument of every signal the spy caught, as a number (true is 1).
QList<int> Firsts(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toInt());
    return values;
}

} // namespace

TEST(Widgets, ButtonsReportAfterTheirHandler)
{
    CCslCtrlButton button;
    button.SetDesign(nullptr, DrawHelper::DefaultLook().Image(DrawHelper::kDefaultButton), Qt::gray);
    button.resize(80, 40);
    QSignalSpy pressed(&button, &CCslCtrlBase::pressed);
    QSignalSpy released(&button, &CCslCtrlBase::released);

    // A click turns it on and a second one off, each reported once its handler has returned.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(pressed.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));

    // A momentary button is on only while held.
    button.SetMomentary(true);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(Firsts(pressed), (QList<int>{1, 0, 1, 0}));
    EXPECT_EQ(Firsts(released), (QList<int>{1, 0, 0}));
}

TEST(Widgets, LinearSlidersFollowTheMouse)
{
    CDataCCD design;
    design.ImageManager().SetImage(kSliderVertBackground, Solid(20, 100, Qt::blue));
    design.ImageManager().SetImage(kSliderVertCursor, Solid(20, 10, Qt::red));
    CCslCtrlSliderLinear slider;
    slider.SetDesign(&design, nullptr, Qt::gray);
    slider.SetVertical(true);
    slider.resize(20, 100);
    QSignalSpy moved(&slider, &CCslCtrlBase::sliderMoved);
    QSignalSpy released(&slider, &CCslCtrlBase::released);

    // A move without a press does nothing. Upward is up the travel, held at its top; the cursor is drawn there.
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 90), QPointF(10, 90), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&slider, &move);
    Drag(slider, QPoint(10, 95), {QPoint(10, 50), QPoint(10, -40)});
    QCoreApplication::processEvents();
    EXPECT_EQ(Firsts(moved), (QList<int>{45, 90}));
    EXPECT_EQ(Firsts(released), QList<int>{90});
    EXPECT_EQ(slider.grab().toImage().pixelColor(10, 2), QColor(Qt::red));
}

TEST(Widgets, RotariesAndWheelsTurn)
{
    CCslCtrlSliderRotary rotary;
    rotary.resize(100, 100);
    rotary.SetAngleRange(225, 315, true);
    rotary.SetAngle(100);
    QSignalSpy moved(&rotary, &CCslCtrlBase::rotaryMoved);
    QSignalSpy released(&rotary, &CCslCtrlBase::released);

    // The mouse's angle about the centre (screen y grows downward), with the dead zone below
    // snapping to the nearer end: straight down is 270, still the left half.
    EXPECT_NEAR(rotary.AngleForDrag(QPoint(10, 10), 0), 135.0, 1e-4); // the angle factor is not exactly 180/pi
    EXPECT_DOUBLE_EQ(rotary.AngleForDrag(QPoint(50, 90), 0), 225.0);
    Drag(rotary, QPoint(50, 10), {QPoint(10, 50), QPoint(60, 95)});

    // Without angle mode, vertical movement turns the dial within the room left at each end:
    // 100 - 30, then no further than the minimum, where the dead zone holds it.
    int releases = 0;
    rotary.SetRelativeMouse(std::make_unique<CScriptedMouse>(QList<int>{-30, 500, 10}, &releases));
    rotary.SetAngleRange(225, 315, false);
    rotary.SetAngle(100);
    Drag(rotary, QPoint(50, 50), {QPoint(50, 40), QPoint(50, 90), QPoint(50, 95)});
    QCoreApplication::processEvents();
    EXPECT_EQ(Firsts(moved), (QList<int>{180, 315, 70, 225, 225}));
    EXPECT_EQ(Firsts(released), (QList<int>{315, 225}));
    EXPECT_EQ(releases, 1);

    // A wheel steps by the movement, upward positive; a read without movement reports nothing.
    CCslCtrlWheel wheel;
    wheel.resize(48, 96);
    wheel.SetDesign(nullptr, &DrawHelper::DefaultLook().WheelImages(), Qt::gray);
    wheel.SetRelativeMouse(std::make_unique<CScriptedMouse>(QList<int>{-3, 0, 5}, &releases));
    QSignalSpy notified(&wheel, &CCslCtrlBase::notify);
    const QImage before = wheel.grab().toImage();
    Drag(wheel, QPoint(20, 50), {QPoint(20, 47), QPoint(20, 47), QPoint(20, 52)});
    EXPECT_EQ(Firsts(notified), (QList<int>{3, -5}));
    EXPECT_EQ(wheel.Index(), -2);
    EXPECT_EQ(releases, 2);
    EXPECT_NE(wheel.grab().toImage(), before);
}

TEST(Widgets, GroupsSelectAndWrap)
{
    CDataCCD design;
    CMyImageManagerExternFile &images = design.ImageManager();
    images.SetImage(kGroupButtonsBackground, Solid(100, 40, Qt::darkGray));
    images.SetImage(kButtonOff, Solid(20, 20, Qt::blue));
    images.SetImage(kButtonOn, Solid(20, 20, Qt::red));
    design.groupButtons.SetButtonCount(3);
    for (int i = 0; i < 3; ++i) {
        design.groupButtons.Button(i)->image = QRect(10 + 30 * i, 10, 20, 20);
        design.groupButtons.Button(i)->label = QRect(10 + 30 * i, 32, 20, 6);
    }

    CCslCtrlGroupButtons group;
    group.resize(100, 40);
    group.SetDesign(&design, nullptr, Qt::gray);
    QSignalSpy notified(&group, &CCslCtrlBase::notify);
    QTest::mouseClick(&group, Qt::LeftButton, {}, QPoint(45, 15)); // on button 1, its child widget
    QTest::mouseClick(&group, Qt::LeftButton, {}, QPoint(5, 5));   // between buttons: nothing
    EXPECT_EQ(Firsts(notified), QList<int>{1});
    const QImage picture = group.grab().toImage();
    EXPECT_EQ(picture.pixelColor(20, 20), QColor(Qt::blue)); // the first button, on until then
    EXPECT_EQ(picture.pixelColor(50, 20), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(50, 35), QColor(240, 240, 240)); // the label field

    images.SetImage(kIncDecBackground, Solid(60, 20, Qt::darkGray));
    images.SetImage(kIncOff, Solid(10, 10, Qt::green));
    images.SetImage(kDecOff, Solid(10, 10, Qt::yellow));
    for (int i = 0; i < 4; ++i)
        images.SetImage(kIncDecDisplay + unsigned(i), Solid(10, 10, QColor(60 * i, 0, 0)));
    design.groupIncDec.displayImageCount = 4;
    design.groupIncDec.incX = 50;
    design.groupIncDec.displayX = 25;
    CCslCtrlGroupIncDec incdec;
    incdec.resize(60, 20);
    incdec.SetDesign(&design, nullptr);
    incdec.SetValue(3);
    QSignalSpy values(&incdec, &CCslCtrlBase::notify);
    QTest::mouseClick(&incdec, Qt::LeftButton, {}, QPoint(55, 5)); // increment past the last
    QTest::mouseClick(&incdec, Qt::LeftButton, {}, QPoint(5, 5));  // decrement below the first
    EXPECT_EQ(Firsts(values), (QList<int>{0, 3}));
    EXPECT_EQ(incdec.grab().toImage().pixelColor(30, 5).red(), 180); // display image 3
}

TEST(Widgets, PadsReportPositionAndColour)
{
    CCslCtrlPanTilt pad;
    pad.resize(242, 242);
    pad.SetLook(&DrawHelper::DefaultLook(), Qt::gray);
    QSignalSpy changed(&pad, &CCslCtrlPanTilt::panTiltChanged);
    Drag(pad, QPoint(1, 0), {QPoint(500, 500)}); // (0, 0) would mean the centre to QTest
    // The top is full tilt; the mouse beyond the pad holds the puck at its edge.
    EXPECT_EQ(QList<QList<QVariant>>(changed), (QList<QList<QVariant>>{{0, 127}, {127, 0}}));

    CCslCtrlTrichro mixer;
    mixer.resize(242, 242);
    mixer.SetColour(0x0000FF); // red: hue 0, read back as it was given
    EXPECT_EQ(mixer.Colour(), 0x0000FFu);
    EXPECT_EQ(mixer.ZoneAt(QPoint(104 + 100, 121)), CCslCtrlTrichro::kDisc);
    EXPECT_EQ(mixer.ZoneAt(QPoint(104 + 102, 121)), CCslCtrlTrichro::kNone);
    EXPECT_EQ(mixer.ZoneAt(QPoint(230, 10)), CCslCtrlTrichro::kBar);
    QSignalSpy colours(&mixer, &CCslCtrlBase::notify);
    // Straight up at the rim: hue 90 at full saturation, red half-way down its sector.
    QTest::mouseClick(&mixer, Qt::LeftButton, {}, QPoint(104, 21));
    EXPECT_EQ(Firsts(colours), QList<int>{0x00FF7F});
}

// The offscreen platform cannot move the pointer: the deltas come from the events.
TEST(Widgets, RelativeMouseFromEventPositionsOffscreen)
{
    korvane::CMirelDirectInput reader;
    reader.Create(nullptr);
    reader.Poll(QCursor::pos() + QPoint(3, -7));
    EXPECT_EQ(QPoint(reader.DeltaX(), reader.DeltaY()), QPoint(3, -7));
    reader.Poll(QCursor::pos() + QPoint(3, 5000)); // far past any screen edge
    EXPECT_EQ(reader.DeltaY(), 5007);

    reader.Release(); // once released, nothing is read and the last values stay
    reader.Poll(QPoint(0, 0));
    EXPECT_EQ(reader.DeltaY(), 5007);
}
