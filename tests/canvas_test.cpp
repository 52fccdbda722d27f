// The console canvas driven with the mouse and the keyboard as a user drives it: selecting,
// moving with the grid, resizing (at zoom 2 too), the console's own size, placing, locks; each
// drag one undo step on the document.
#include <QTest>

#include "editor/design_picker.h"
#include "editor/korvane_view.h"
#include "model/console_file.h"
#include "model/ctrl_factory.h"
#include "model/edit_operations.h"
#include "model/korvane_doc.h"
#include "test_support.h"

using namespace korvane;
using dataConsole::CCtrl__Base;

namespace {

// Answers the placement questions as a test says.
class CScriptedPicker final : public IDesignPicker
{
public:
    std::optional<QString> design = QString();
    std::optional<QString> picture;
    int asked = 0;
    std::optional<QString> ChooseDesign(QWidget *, int, const dataConsole::CConsoleData &) override
    {
        ++asked;
        return design;
    }
    std::optional<QString> ChoosePicture(QWidget *, const QString &) override
    {
        ++asked;
        return picture;
    }
};

class CanvasTest : public testing::Test
{
protected:
    CanvasTest() : view(state, picker)
    {
        doc.Console().settings.width = 600;
        doc.Console().settings.height = 400;
        doc.Console().settings.snapToGrid = false;
        view.resize(800, 600);
        view.SetDocument(&doc);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
    }
    ~CanvasTest() override { view.SetDocument(nullptr); }

    CCtrl__Base *Add(int kind, QRect rect)
    {
        CCtrl__Base *control = doc.Console().AddControl(
            dataConsole::CreateControl(kind, &doc.Console(), nullptr, nullptr));
        control->SetRect(rect);
        control->SetImageSize(rect.size());
        return control;
    }
    CCtrlConsole &Canvas() { return view.Canvas(); }
    const std::vector<CCtrl__Base *> &Selection() const { return doc.Selection(); }
    QRect Console() const { return QRect(0, 0, doc.Console().settings.width, doc.Console().settings.height); }
    // A console point as a client point of the canvas.
    static QPoint At(int x, int y) { return QPoint(x + 10, y + 10); }
    void Hover(QPoint client, Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent move(QEvent::MouseMove, client, Canvas().mapToGlobal(client), Qt::NoButton, Qt::NoButton,
                         modifiers);
        QApplication::sendEvent(&Canvas(), &move);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(&Canvas(), Qt::LeftButton, modifiers, from);
        QTest::mouseMove(&Canvas(), (from + to) / 2);
        QTest::mouseMove(&Canvas(), to);
        QTest::mouseRelease(&Canvas(), Qt::LeftButton, modifiers, to);
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(&Canvas(), Qt::LeftButton, modifiers, at);
    }

    CEditState state;
    CScriptedPicker picker;
    QTemporaryDir app;
    CKorvaneDoc doc{app.path(), nullptr};
    CKorvaneView view;
};

} // namespace

TEST_F(CanvasTest, ClicksSelectAsDesktopEditorsDo)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(20, 20, 80, 40));
    CCtrl__Base *b = Add(dataConsole::kCtrlButton, QRect(200, 20, 80, 40));
    Click(At(30, 30));
    EXPECT_EQ(Selection(), std::vector<CCtrl__Base *>{a});
    EXPECT_EQ(state.mode, kModeMove);
    Click(At(210, 30), Qt::ControlModifier);
    EXPECT_EQ(Selection(), (std::vector<CCtrl__Base *>{a, b}));
    // Ctrl on the primary keeps everything; on another selected control it becomes primary.
    Click(At(210, 30), Qt::ControlModifier);
    EXPECT_EQ(Selection(), (std::vector<CCtrl__Base *>{a, b}));
    Click(At(30, 30), Qt::ControlModifier);
    EXPECT_EQ(Selection(), (std::vector<CCtrl__Base *>{b, a}));

    // A click on nothing clears the selection and the console frame offers its handles.
    Hover(At(300, 300));
    Click(At(300, 300));
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(state.mode, kModeIdle);
    Hover(At(600, 400));
    EXPECT_EQ(state.mode, kModeResizeBottomRight);
    Hover(At(300, 300));
    EXPECT_EQ(state.mode, kModeIdle);

    // Shift before pressing starts a rubber band, which takes what it touches.
    Hover(At(5, 5), Qt::ShiftModifier);
    EXPECT_EQ(state.mode, kModeRubberBand);
    Drag(At(5, 5), At(210, 25));
    EXPECT_EQ(Selection(), (std::vector<CCtrl__Base *>{a, b}));
    // A band that never opens takes nothing, even over a control.
    Hover(At(30, 30), Qt::ShiftModifier);
    Click(At(30, 30), Qt::ShiftModifier);
    EXPECT_TRUE(Selection().empty());
    EXPECT_FALSE(doc.UndoStack().canUndo()); // selecting is no edit
}

TEST_F(CanvasTest, MovingSnapsStopsAtTheEdgesAndUndoesInOneStepADrag)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(35, 100, 60, 40));
    doc.Console().settings.snapToGrid = true;
    doc.Console().settings.gridSubStep = 20;
    Drag(At(40, 110), At(43, 110));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(40, 100));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoStack().count(), 1); // every step of the drag merged into one

    // Dragged into the top-left corner, each control stops at 0 by itself.
    doc.Console().settings.snapToGrid = false;
    CCtrl__Base *b = Add(dataConsole::kCtrlButton, QRect(100, 60, 80, 40));
    doc.SetSelection({b, a});
    state.mode = kModeMove;
    Drag(At(110, 70), At(30, 10));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(0, 40)); // (-40, 40): only x stops
    EXPECT_EQ(b->Rect().topLeft(), QPoint(20, 0));
    // And at the right and bottom edges.
    Drag(At(30, 10), At(900, 700));
    EXPECT_EQ(b->Rect().topLeft(), QPoint(600 - 80, 400 - 40));
    // A click without a drag is no step.
    Click(At(530, 370));
    EXPECT_EQ(doc.UndoStack().count(), 3);

    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ(a->Rect().topLeft(), QPoint(40, 100));
    doc.UndoStack().undo();
    EXPECT_EQ(a->Rect().topLeft(), QPoint(35, 100));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CanvasTest, ResizingByEachHandleKeepsTheOppositeEdgesAndTheMinimum)
{
    CCtrl__Base *label = Add(dataConsole::kCtrlLabel, QRect(200, 150, 100, 80));
    const QRect original = label->Rect();
    struct Case
    {
        int mode;
        QPoint handle; // on the frame, console units
        QPoint inward;
    };
    const Case cases[] = {
        {kModeResizeTopLeft, {200, 150}, {500, 500}},   {kModeResizeTop, {250, 150}, {0, 500}},
        {kModeResizeTopRight, {300, 150}, {-500, 500}}, {kModeResizeRight, {300, 190}, {-500, 0}},
        {kModeResizeBottomRight, {300, 230}, {-500, -500}}, {kModeResizeBottom, {250, 230}, {0, -500}},
        {kModeResizeBottomLeft, {200, 230}, {500, -500}}, {kModeResizeLeft, {200, 190}, {500, 0}},
    };
    doc.SetSelection({label});
    for (const Case &c : cases) {
        Hover(At(c.handle.x(), c.handle.y()));
        ASSERT_EQ(state.mode, c.mode) << c.mode;
        Drag(At(c.handle.x(), c.handle.y()), At(c.handle.x() + c.inward.x(), c.handle.y() + c.inward.y()));
        const QRect r = label->Rect();
        EXPECT_EQ(r.width(), c.inward.x() ? 10 : 100) << c.mode;
        EXPECT_EQ(r.height(), c.inward.y() ? 10 : 80) << c.mode;
        // The edge opposite the handle stays where it was.
        if (c.inward.x() != 0) {
            EXPECT_EQ(c.inward.x() > 0 ? r.x() + r.width() : r.x(), c.inward.x() > 0 ? 300 : 200) << c.mode;
        }
        if (c.inward.y() != 0) {
            EXPECT_EQ(c.inward.y() > 0 ? r.y() + r.height() : r.y(), c.inward.y() > 0 ? 230 : 150) << c.mode;
        }
        doc.UndoStack().undo();
        ASSERT_EQ(label->Rect(), original);
    }
    // Outward, the console's edges and the left edge at 0 bound the control.
    Hover(At(200, 150));
    Drag(At(200, 150), At(-300, -300));
    EXPECT_EQ(label->Rect(), QRect(0, 0, 300, 230));
    Hover(At(300, 230));
    Drag(At(300, 230), At(900, 900));
    EXPECT_EQ(label->Rect(), Console());
}

TEST_F(CanvasTest, AtZoomTwoHandlesAndSnappedResizesFollowTheZoomedFrame)
{
    CCtrl__Base *button = Add(dataConsole::kCtrlButton, QRect(40, 40, 80, 40));
    doc.Console().settings.snapToGrid = true;
    doc.Console().settings.gridSubStep = 20;
    view.SetZoom(2.0f);
    doc.SetSelection({button});
    // The bottom-right handle lies at the zoomed corner: (40 + 80) * 2 + 10, (40 + 40) * 2 + 10.
    const QPoint corner(250, 170);
    Hover(corner);
    ASSERT_EQ(state.mode, kModeResizeBottomRight);
    // 27 pixels are 13 units: the right edge at 133 snaps to 140, the bottom at 93 to 100.
    QTest::mousePress(&Canvas(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(&Canvas(), corner + QPoint(10, 10));
    QTest::mouseMove(&Canvas(), corner + QPoint(27, 27));
    QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, corner + QPoint(27, 27));
    EXPECT_EQ(button->Rect(), QRect(40, 40, 100, 60));
    // A click at the zoomed place of a control selects it.
    doc.SetSelection({});
    Hover(QPoint(10 + 2 * 60, 10 + 2 * 60));
    Click(QPoint(10 + 2 * 60, 10 + 2 * 60));
    EXPECT_EQ(Selection(), std::vector<CCtrl__Base *>{button});
    // And the canvas draws the control there: its pixels differ from the console's colour.
    const QImage shot = Canvas().grab().toImage();
    EXPECT_NE(shot.pixelColor(10 + 2 * 60, 10 + 2 * 50), dataConsole::QColorOf(doc.Console().settings.background));
}

TEST_F(CanvasTest, ConsoleResizingStopsAtTheContent)
{
    Add(dataConsole::kCtrlButton, QRect(400, 300, 80, 40));
    Hover(At(600, 400));
    ASSERT_EQ(state.mode, kModeResizeBottomRight);
    Drag(At(600, 400), At(100, 100));
    EXPECT_EQ(Console().size(), QSize(480, 340));
    Hover(At(480, 170));
    ASSERT_EQ(state.mode, kModeResizeRight);
    Drag(At(480, 170), At(700, 300));
    EXPECT_EQ(Console().size(), QSize(700, 340)); // the right handle leaves the height
    EXPECT_GE(Canvas().width(), 700 + 20);        // the view follows the new size
    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ(Console().size(), QSize(600, 400));
}

TEST_F(CanvasTest, LocksStopTheMouseButNotTheArrowKeys)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(100, 100, 80, 40));
    a->SetLocked(true);
    Click(At(110, 110));
    EXPECT_EQ(doc.Primary(), a);
    EXPECT_EQ(state.mode, kModeIdle); // a locked primary does not start a move
    Drag(At(110, 110), At(200, 200));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(100, 100));
    Canvas().setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&Canvas(), Qt::Key_Right);
    QTest::keyClick(&Canvas(), Qt::Key_Up);
    EXPECT_EQ(a->Rect().topLeft(), QPoint(103, 99));
    doc.UndoStack().undo(); // the nudges are one step
    EXPECT_EQ(a->Rect().topLeft(), QPoint(100, 100));

    // The console lock: nothing drags, and no handle can be taken.
    a->SetLocked(false);
    Hover(At(182, 142));
    EXPECT_EQ(state.mode, kModeResizeBottomRight);
    doc.SetLocked(true);
    Hover(At(182, 142));
    EXPECT_EQ(state.mode, kModeIdle);
    state.mode = kModeMove;
    Drag(At(110, 110), At(200, 200));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(100, 100));
}

TEST_F(CanvasTest, PlacingAsksFirstAndACancelledPlacementAddsNothing)
{
    state.pendingKind = dataConsole::kCtrlWheel;
    view.UpdateCursor();
    EXPECT_EQ(Canvas().cursor().shape(), Qt::BitmapCursor);
    picker.design = std::nullopt; // cancelled: nothing at all
    Click(At(50, 60));
    EXPECT_FALSE(state.IsPlacing());
    EXPECT_TRUE(doc.Console().Controls().empty());
    EXPECT_EQ(doc.UndoStack().count(), 0);

    const std::string empty = dataConsole::ConsoleFileBytes(doc.Console());
    state.pendingKind = dataConsole::kCtrlWheel;
    picker.design = QString(); // the default look
    Click(At(50, 60));
    ASSERT_EQ(doc.Console().Controls().size(), 1u);
    CCtrl__Base *wheel = doc.Console().Controls()[0].get();
    EXPECT_EQ(wheel->Kind(), dataConsole::kCtrlWheel);
    EXPECT_EQ(wheel->Rect(), QRect(50, 60, 80, 80));
    EXPECT_EQ(wheel->TextRect(), QRect(0, 0, 80, 80)); // placed for its size, though in the default look
    EXPECT_EQ(Selection(), std::vector<CCtrl__Base *>{wheel});

    // A label asks nothing.
    const int asked = picker.asked;
    state.pendingKind = dataConsole::kCtrlLabel;
    Click(At(300, 60));
    EXPECT_EQ(picker.asked, asked);

    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(dataConsole::ConsoleFileBytes(doc.Console()), empty);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CanvasTest, PlacingAPictureTakesTheChosenImageAtItsSize)
{
    korvane::test::WriteImage(app.filePath(QStringLiteral("_Common/console/_background/Logo.png")), QSize(40, 30));
    state.pendingKind = dataConsole::kCtrlBitmap;
    picker.picture.reset(); // nothing chosen: nothing placed
    Click(At(50, 60));
    EXPECT_TRUE(doc.Console().Pictures().empty());

    state.pendingKind = dataConsole::kCtrlBitmap;
    picker.picture = QStringLiteral("Logo.png");
    Click(At(50, 60));
    ASSERT_EQ(doc.Console().Pictures().size(), 1u);
    CCtrl__Base *picture = doc.Console().Pictures()[0].get();
    EXPECT_EQ(picture->Rect(), QRect(50, 60, 40, 30));
    EXPECT_EQ(Selection(), std::vector<CCtrl__Base *>{picture});
    EXPECT_TRUE(doc.Console().Controls().empty());
}

TEST_F(CanvasTest, TheCanvasCoversTheViewAroundASmallConsole)
{
    doc.Console().settings.width = 100;
    doc.Console().settings.height = 50;
    view.LayOutCanvas();
    EXPECT_GE(Canvas().width(), view.viewport()->width());
    EXPECT_GE(Canvas().height(), view.viewport()->height());
    view.SetZoom(3.0f);
    EXPECT_EQ(Canvas().ScrollSize(), QSize(320, 170));
}

TEST_F(CanvasTest, EveryMajorGridStepIsASolidLineWhateverTheMinorStep)
{
    auto &settings = doc.Console().settings;
    settings.gridStep = 50;
    settings.gridSubStep = 20;
    settings.gridColor = korvane::MakeColorRef(255, 0, 0);
    settings.background = korvane::MakeColorRef(0, 0, 0);
    settings.transparentBackground = false;
    const QImage shot = Canvas().grab().toImage();
    const QColor red(255, 0, 0);
    for (int y = 20; y < 24; ++y) {
        EXPECT_EQ(shot.pixelColor(At(50, y)), red) << y;  // major only
        EXPECT_EQ(shot.pixelColor(At(100, y)), red) << y; // major and minor
    }
    // A minor line is dotted: every second pixel.
    EXPECT_NE(shot.pixelColor(At(20, 20)), shot.pixelColor(At(20, 21)));
    EXPECT_EQ(shot.pixelColor(At(30, 31)), QColor(0, 0, 0)); // no line at all
}
