// The preview pane played with the mouse, as run-time values; its scroll bars follow the console.
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "design/data_ccd.h"
#include "editor/dock_preview.h"
#include "model/console_draw.h"
#include "model/ctrl_factory.h"
#include "model/ctrl_pads.h"
#include "model/korvane_doc.h"
#include "widgets/csl_ctrl_pads.h"
#include "test_support.h"

using namespace korvane;
using namespace dataConsole;

namespace {

class PreviewTest : public testing::Test
{
protected:
    PreviewTest()
    {
        preview.resize(600, 400);
        preview.SetDocument(&doc);
        preview.show();
    }

    CCtrl__Base *Add(int kind, QRect rect, CCtrl__Base *group = nullptr)
    {
        CCtrl__Base *control = doc.Console().AddControl(CreateControl(kind, &doc.Console(), nullptr, group));
        control->SetRect(rect);
        control->SetImageSize(rect.size());
        return control;
    }
    // Presses at the first console point, moves through all, releases at the last; reports arrive.
    void Play(const QList<QPoint> &points, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(preview.widget(), button, {}, points.first() + QPoint(10, 10));
        for (const QPoint &point : points)
            QTest::mouseMove(preview.widget(), point + QPoint(10, 10));
        QTest::mouseRelease(preview.widget(), button, {}, points.last() + QPoint(10, 10));
        QCoreApplication::processEvents();
    }
    QImage Shown(QRect console) { return preview.widget()->grab(console.translated(10, 10)).toImage(); }

    CKorvaneDoc doc{QString(), nullptr};
    CDockPreview preview;
};

} // namespace

TEST_F(PreviewTest, ControlsTakeTheValuesTheirWidgetsReportPageByPage)
{
    CCtrl__Base *first = Add(kCtrlButton, QRect(20, 20, 80, 40));
    CCtrl__Base *second = Add(kCtrlButton, QRect(60, 40, 80, 40));
    CCtrl__Base *label = Add(kCtrlLabel, QRect(20, 200, 80, 40));
    Add(kCtrlWheel, QRect(20, 100, 80, 80));
    CCtrl__Base *fader = Add(kCtrlFaderVert, QRect(150, 20, 30, 128));
    CCtrl__Base *dial = Add(kCtrlFaderRotary, QRect(200, 20, 60, 60));
    auto *pad = static_cast<CCtrl_PanTilt *>(Add(kCtrlPanTilt, QRect(190, 90, 200, 200)));
    const QImage atRest = RenderConsole(doc.Console(), 1.0f, nullptr, false);
    const QImage before = Shown(first->Rect());
    Play({{30, 30}});
    EXPECT_NE(Shown(first->Rect()), before);
    // Overlapping buttons are pressed in list order; the last pressed takes every report.
    Play({{70, 50}});
    EXPECT_EQ(QList<int>({first->GetValue(), second->GetValue()}), QList<int>({1, 1}));
    // A fader follows the mouse; a dial turns on past 0 degrees, 270 of its 300 from 240.
    Play({{165, 140}, {165, 84}});
    EXPECT_NEAR(fader->GetValue(), 63, 1);
    Play({{230, 50}, {256, 65}});
    EXPECT_EQ(dial->GetValue(), 114);
    // A pad is pressed 10 pixels further in than the mouse, and shows its values at rest too.
    CCslCtrlPanTilt reference;
    reference.resize(200, 200);
    QTest::mouseClick(&reference, Qt::LeftButton, {}, QPoint(30, 170));
    Play({{210, 250}});
    EXPECT_EQ(QPoint(pad->GetValue(), pad->GetSecondValue()), QPoint(reference.Pan(), reference.Tilt()));
    const QImage played = RenderConsole(doc.Console(), 1.0f, nullptr, false);
    EXPECT_NE(played.copy(pad->Rect()), atRest.copy(pad->Rect()));
    EXPECT_EQ(played.copy(first->Rect()), atRest.copy(first->Rect())); // a button rests there

    // A label or nothing plays nothing; a right click there or on a wheel opens no dialog.
    int dialogs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget())
            dialogs += modal->close();
    });
    watch.start(10);
    const QImage still = preview.widget()->grab().toImage();
    for (const QPoint at : {QPoint(30, 210), QPoint(130, 270)})
        Play({at});
    for (const QPoint at : {QPoint(30, 210), QPoint(130, 270), QPoint(30, 110)})
        Play({at}, Qt::RightButton);
    EXPECT_EQ(preview.widget()->grab().toImage(), still);
    EXPECT_EQ(QList<int>({label->GetValue(), dialogs, int(doc.UndoStack().count()), doc.IsModified()}),
              QList<int>({0, 0, 0, 0}));

    // A group's second button shows its second page, the page its controls then play.
    CDataCCD design;
    design.ImageManager().SetImage(ccdImage::kGroupButtonsBackground, test::Solid(120, 40, Qt::darkGray));
    design.groupButtons.SetButtonCount(2);
    design.groupButtons.Button(1)->image = QRect(60, 5, 50, 30);
    CCtrl__Base *group = Add(kCtrlGroupButtons, QRect(270, 20, 120, 40));
    group->SetDesign(&design);
    CCtrl__Base *contained = Add(kCtrlFaderHorz, QRect(105, 250, 80, 30), group);
    contained->SetTextAlign(kTextCentre);
    contained->SetLabel(1, "B side");
    const QImage page0 = Shown(contained->Rect());
    Play({{340, 30}}); // pressed at (80, 20) of the group
    EXPECT_EQ(group->GetValue(), 1);
    EXPECT_NE(Shown(contained->Rect()), page0);
    Play({{105, 265}, {185, 265}});
    EXPECT_EQ(QList<int>({contained->ValueAt(0), contained->ValueAt(1)}), QList<int>({0, 127}));
}

TEST_F(PreviewTest, ScrollBarsShowWhereThePaneIsSmallerThanTheConsole)
{
    // 400 x 300 and margins: too narrow, tall enough. A line is a pixel, a notch 60 across.
    preview.resize(300, 500);
    QCoreApplication::processEvents();
    QScrollBar &across = *preview.horizontalScrollBar();
    EXPECT_TRUE(across.isVisible() && !preview.verticalScrollBar()->isVisible());
    across.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QWheelEvent notch({50, 50}, {50, 50}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview.viewport(), &notch);
    EXPECT_EQ(preview.widget()->x(), -61);
    // A console that now fits hides the bar, back at 0.
    doc.Console().settings.width = 200;
    doc.Announce(DocChange::kConsoleSettings);
    QCoreApplication::processEvents();
    EXPECT_TRUE(!across.isVisible() && across.value() == 0 && preview.widget()->x() == 0);
}
