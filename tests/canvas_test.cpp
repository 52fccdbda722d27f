// The console canvas driven with the mouse and the keyboard as a user drives it: selecting,
// moving with the grid, resizing, the console's own size, placing, locks, undo and redo.
#include <QTest>

#include "editor/design_picker.h"
#include "model/arrange.h"
#include "editor/korvane_view.h"
#include "model/console_file.h"
#include "model/ctrl_factory.h"
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
            dataConsole::CreateControl(kind, &doc.Console(), &Canvas(), nullptr, nullptr));
        control->SetRect(rect);
        control->SetImageSize(rect.size());
        return control;
    }
    CCtrlConsole &Canvas() { return view.Canvas(); }
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

TEST(CanvasSnap, MovesAndResizesLandOnTheMinorGrid)
{
    EXPECT_EQ(SnapMoveOffset(3, 35, 95, 20), 5);    // the left edge forward to 40
    EXPECT_EQ(SnapMoveOffset(20, 30, 90, 20), 10);  // all four 10 away: the left edge back
    EXPECT_EQ(SnapMoveOffset(-3, 41, 97, 20), -1);  // the left edge back to 40
    EXPECT_EQ(SnapMoveOffset(0, 40, 101, 20), 0);   // already on the grid
    EXPECT_EQ(SnapResizeOffset(95, 3, 20), 5);      // 98 rounds forward to 100
    EXPECT_EQ(SnapResizeOffset(90, 0, 20), -10);    // a tie rounds back
    EXPECT_EQ(SnapMoveOffset(7, 1, 2, 0), 7);       // no grid, no snap
}

TEST_F(CanvasTest, ClicksSelectAsDesktopEditorsDo)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(20, 20, 80, 40));
    CCtrl__Base *b = Add(dataConsole::kCtrlButton, QRect(200, 20, 80, 40));
    Click(At(30, 30));
    EXPECT_EQ(Canvas().Selection(), std::vector<CCtrl__Base *>{a});
    EXPECT_EQ(state.mode, kModeMove);
    Click(At(210, 30), Qt::ControlModifier);
    EXPECT_EQ(Canvas().Selection(), (std::vector<CCtrl__Base *>{a, b}));
    // Ctrl on the primary keeps everything; on another selected control it becomes primary.
    Click(At(210, 30), Qt::ControlModifier);
    EXPECT_EQ(Canvas().Selection(), (std::vector<CCtrl__Base *>{a, b}));
    Click(At(30, 30), Qt::ControlModifier);
    EXPECT_EQ(Canvas().Selection(), (std::vector<CCtrl__Base *>{b, a}));

    // A click on nothing clears the selection and the console frame offers its handles.
    Hover(At(300, 300));
    Click(At(300, 300));
    EXPECT_TRUE(Canvas().Selection().empty());
    EXPECT_EQ(state.mode, kModeIdle);
    Canvas().repaint();
    Hover(At(600, 400));
    EXPECT_EQ(state.mode, kModeResizeBottomRight);
    Hover(At(300, 300));
    EXPECT_EQ(state.mode, kModeIdle);

    // Shift before pressing starts a rubber band, which takes what it touches.
    Hover(At(5, 5), Qt::ShiftModifier);
    EXPECT_EQ(state.mode, kModeRubberBand);
    Drag(At(5, 5), At(210, 25));
    EXPECT_EQ(Canvas().Selection(), (std::vector<CCtrl__Base *>{a, b}));
}

TEST_F(CanvasTest, MovingSnapsStopsAtTheEdgesAndUndoesInOneStep)
{
    const std::string before = dataConsole::ConsoleFileBytes(doc.Console());
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(35, 100, 60, 40));
    doc.UndoStack().setClean();
    const std::string start = dataConsole::ConsoleFileBytes(doc.Console());
    ASSERT_NE(before, start);
    doc.Console().settings.snapToGrid = true;
    doc.Console().settings.gridSubStep = 20;
    Drag(At(40, 110), At(43, 110));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(40, 100));
    EXPECT_TRUE(doc.IsModified());

    // Dragged into the top-left corner, each control stops at 0 by itself.
    doc.Console().settings.snapToGrid = false;
    CCtrl__Base *b = Add(dataConsole::kCtrlButton, QRect(100, 60, 80, 40));
    Canvas().SetSelection({b, a});
    state.mode = kModeMove;
    Drag(At(110, 70), At(30, 10));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(0, 40)); // (-40, 40): only x stops
    EXPECT_EQ(b->Rect().topLeft(), QPoint(20, 0));
    // And at the right and bottom edges.
    Drag(At(30, 10), At(900, 700));
    EXPECT_EQ(b->Rect().topLeft(), QPoint(600 - 80, 400 - 40));

    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ(a->Rect().topLeft(), QPoint(40, 100));
    doc.UndoStack().undo();
    EXPECT_EQ(a->Rect().topLeft(), QPoint(35, 100));
    doc.UndoStack().redo();
    EXPECT_EQ(a->Rect().topLeft(), QPoint(40, 100));
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
    for (const Case &c : cases) {
        label->SetRect(original);
        Canvas().SetSelection({label});
        Canvas().repaint(); // records the handles
        Hover(At(c.handle.x(), c.handle.y()));
        ASSERT_EQ(state.mode, c.mode) << c.mode;
        Drag(At(c.handle.x(), c.handle.y()), At(c.handle.x() + c.inward.x(), c.handle.y() + c.inward.y()));
        const QRect r = label->Rect();
        const bool horizontal = c.inward.x() != 0, vertical = c.inward.y() != 0;
        EXPECT_EQ(r.width(), horizontal ? 10 : 100) << c.mode;
        EXPECT_EQ(r.height(), vertical ? 10 : 80) << c.mode;
        // The edge opposite the handle stays where it was.
        if (c.inward.x() != 0) {
            EXPECT_EQ(c.inward.x() > 0 ? r.x() + r.width() : r.x(), c.inward.x() > 0 ? 300 : 200) << c.mode;
        }
        if (c.inward.y() != 0) {
            EXPECT_EQ(c.inward.y() > 0 ? r.y() + r.height() : r.y(), c.inward.y() > 0 ? 230 : 150) << c.mode;
        }
    }
    // Outward, the console's edges and the left edge at 0 bound the control.
    label->SetRect(original);
    Canvas().SetSelection({label});
    Canvas().repaint();
    Hover(At(200, 150));
    Drag(At(200, 150), At(-300, -300));
    EXPECT_EQ(label->Rect(), QRect(0, 0, 300, 230));
    Hover(At(300, 230));
    Drag(At(300, 230), At(900, 900));
    EXPECT_EQ(label->Rect(), QRect(0, 0, 600, 400));
    // Every step undoes back to the first size.
    while (doc.UndoStack().canUndo())
        doc.UndoStack().undo();
    EXPECT_EQ(label->Rect(), original);
}

TEST_F(CanvasTest, ConsoleResizingStopsAtTheContent)
{
    Add(dataConsole::kCtrlButton, QRect(400, 300, 80, 40));
    Canvas().repaint();
    Hover(At(600, 400));
    ASSERT_EQ(state.mode, kModeResizeBottomRight);
    Drag(At(600, 400), At(100, 100));
    EXPECT_EQ(doc.Console().settings.width, 480);
    EXPECT_EQ(doc.Console().settings.height, 340);
    Canvas().repaint();
    Hover(At(480, 170));
    ASSERT_EQ(state.mode, kModeResizeRight);
    Drag(At(480, 170), At(700, 300));
    EXPECT_EQ(doc.Console().settings.width, 700);
    EXPECT_EQ(doc.Console().settings.height, 340); // the right handle leaves the height
    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ(QSize(doc.Console().settings.width, doc.Console().settings.height), QSize(600, 400));
}

TEST_F(CanvasTest, LocksStopTheMouseButNotTheArrowKeys)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(100, 100, 80, 40));
    a->SetLocked(true);
    Click(At(110, 110));
    EXPECT_EQ(Canvas().Primary(), a);
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

    // The console lock: nothing drags, no handles are drawn.
    a->SetLocked(false);
    doc.SetLocked(true);
    Canvas().SetSelection({a});
    state.mode = kModeMove;
    Drag(At(110, 110), At(200, 200));
    EXPECT_EQ(a->Rect().topLeft(), QPoint(100, 100));
    Canvas().repaint();
    EXPECT_TRUE(a->SelectFrame().Handle(1).isEmpty());
    EXPECT_FALSE(a->SelectFrame().Frame().isEmpty());
}

TEST_F(CanvasTest, PlacingAControlAsksForItsDesignAndUndoesAway)
{
    state.pendingKind = kPendingWheel;
    view.UpdateCursor();
    EXPECT_EQ(Canvas().cursor().shape(), Qt::BitmapCursor);
    picker.design = std::nullopt; // cancelled: nothing stays
    Click(At(50, 60));
    EXPECT_EQ(state.pendingKind, kPendingNone);
    EXPECT_TRUE(doc.Console().Controls().empty());
    EXPECT_FALSE(doc.IsModified());

    const std::string empty = dataConsole::ConsoleFileBytes(doc.Console());
    state.pendingKind = kPendingWheel;
    picker.design = QString(); // the default look
    Click(At(50, 60));
    ASSERT_EQ(doc.Console().Controls().size(), 1u);
    CCtrl__Base *wheel = doc.Console().Controls()[0].get();
    EXPECT_EQ(wheel->Kind(), dataConsole::kCtrlWheel);
    EXPECT_EQ(wheel->Rect(), QRect(50, 60, 80, 80));
    EXPECT_EQ(Canvas().Selection(), std::vector<CCtrl__Base *>{wheel});
    EXPECT_TRUE(doc.IsModified());

    // A label asks nothing.
    const int asked = picker.asked;
    state.pendingKind = kPendingLabel;
    Click(At(300, 60));
    EXPECT_EQ(picker.asked, asked);
    EXPECT_EQ(doc.Console().Controls().size(), 2u);

    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_TRUE(Canvas().Selection().empty());
    EXPECT_EQ(dataConsole::ConsoleFileBytes(doc.Console()), empty);
    EXPECT_FALSE(doc.IsModified());
    doc.UndoStack().redo();
    EXPECT_EQ(doc.Console().Controls().size(), 1u);
}

TEST_F(CanvasTest, PlacingAPictureTakesTheChosenImageAtItsSize)
{
    korvane::test::WriteImage(app.filePath(QStringLiteral("_Common/console/_background/Logo.png")), QSize(40, 30));
    state.pendingKind = kPendingImage;
    picker.picture.reset(); // nothing chosen: nothing placed
    Click(At(50, 60));
    EXPECT_TRUE(doc.Console().Pictures().empty());
    EXPECT_TRUE(Canvas().Selection().empty());

    state.pendingKind = kPendingImage;
    picker.picture = QStringLiteral("Logo.png");
    Click(At(50, 60));
    ASSERT_EQ(doc.Console().Pictures().size(), 1u);
    CCtrl__Base *picture = doc.Console().Pictures()[0].get();
    EXPECT_EQ(picture->Rect(), QRect(50, 60, 40, 30));
    EXPECT_EQ(Canvas().Selection(), std::vector<CCtrl__Base *>{picture});
    // Deleting and undoing puts it back in the picture list, not among the controls.
    Canvas().DeleteSelection();
    EXPECT_TRUE(doc.Console().Pictures().empty());
    doc.UndoStack().undo();
    EXPECT_EQ(doc.Console().Pictures().size(), 1u);
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

TEST_F(CanvasTest, ArrangingAlignsSpreadsAndSizesAgainstThePrimary)
{
    using namespace dataConsole;
    CCtrl__Base *a = Add(kCtrlLabel, QRect(500, 10, 80, 20));
    CCtrl__Base *b = Add(kCtrlLabel, QRect(100, 60, 30, 30));
    CCtrl__Base *primary = Add(kCtrlLabel, QRect(540, 200, 40, 20));
    Canvas().SetSelection({a, b, primary});
    // Left sides: a would pass the console's right edge, so its right edge goes there.
    Canvas().ArrangeSelection(QString(), [&](const auto &s) { AlignControls(s, AlignEdge::kLeft, QSize(600, 400)); });
    EXPECT_EQ(a->Rect(), QRect(520, 10, 80, 20));
    EXPECT_EQ(b->Rect().x(), 540);
    Canvas().ArrangeSelection(QString(), [&](const auto &s) { AlignControls(s, AlignEdge::kBottom, QSize(600, 400)); });
    EXPECT_EQ(a->Rect().y() + a->Rect().height(), 220);
    Canvas().ArrangeSelection(QString(), [&](const auto &s) { StandardiseControls(s, SizeFrom::kBoth); });
    EXPECT_EQ(b->Rect().size(), QSize(40, 20));

    // Heights 20, 30, 20 between 0 and 110 leave gaps of 20; overlapping ones close up.
    a->SetRect(QRect(0, 0, 10, 20));
    b->SetRect(QRect(0, 90, 10, 20));
    primary->SetRect(QRect(0, 30, 10, 30));
    Canvas().ArrangeSelection(QString(), [&](const auto &s) { SpreadControls(s, true); });
    EXPECT_EQ(primary->Rect().y(), 40);
    EXPECT_EQ(b->Rect().y(), 90);
    b->SetRect(QRect(0, 10, 10, 20));
    primary->SetRect(QRect(0, 5, 10, 30));
    Canvas().ArrangeSelection(QString(), [&](const auto &s) { SpreadControls(s, true); });
    // Span 0..35, 70 high in all: gap (35 - 70) / 2 = -17.
    EXPECT_EQ(primary->Rect().y(), 20 - 17);
    EXPECT_EQ(b->Rect().y(), 3 + 30 - 17);

    while (doc.UndoStack().canUndo())
        doc.UndoStack().undo();
    EXPECT_EQ(a->Rect(), QRect(500, 10, 80, 20));
    EXPECT_EQ(b->Rect(), QRect(100, 60, 30, 30));
}

TEST_F(CanvasTest, CopyDeletePasteRestoresThePlacesAndUndoesBack)
{
    using namespace dataConsole;
    CCtrl__Base *group = Add(kCtrlGroupButtons, QRect(10, 10, 200, 100));
    CCtrl__Base *inside = Add(kCtrlButton, QRect(20, 20, 80, 40));
    inside->SetParentGroup(group);
    CCtrl__Base *fader = Add(kCtrlFaderVert, QRect(300, 10, 30, 200));
    fader->SetLabel(0, QStringLiteral("Master"));
    fader->Bindings()[0].midi.command = 7;
    const std::string original = ConsoleFileBytes(doc.Console());

    Canvas().SetSelection({fader, group});
    const auto clipboard = Canvas().CopySelection();
    Canvas().DeleteSelection();
    EXPECT_TRUE(doc.Console().Controls().empty()); // the group took its button along
    Canvas().Paste(clipboard);
    ASSERT_EQ(doc.Console().Controls().size(), 2u);
    EXPECT_EQ(Canvas().Selection().size(), 2u);
    EXPECT_EQ(doc.Console().Controls()[0]->Rect(), QRect(300, 10, 30, 200));
    EXPECT_EQ(doc.Console().Controls()[0]->Label(0), QStringLiteral("Master"));
    EXPECT_EQ(doc.Console().Controls()[0]->Bindings()[0].midi.command, -1); // bindings stay behind
    EXPECT_EQ(doc.Console().Controls()[1]->Rect(), QRect(10, 10, 200, 100));

    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ(ConsoleFileBytes(doc.Console()), original);
    EXPECT_EQ(inside->ParentGroup(), group);
    doc.UndoStack().redo();
    EXPECT_EQ(doc.Console().Controls().size(), 0u);
}

TEST_F(CanvasTest, IncomingMidiPlaysOntoTheBoundControls)
{
    using namespace dataConsole;
    CCtrl__Base *button = Add(kCtrlButton, QRect(10, 10, 80, 40));
    button->Bindings()[0].midi = {.command = 60, .channel = 2, .status = kStatusNoteOnOff};
    CCtrl__Base *fader = Add(kCtrlFaderVert, QRect(100, 10, 30, 127));
    fader->Bindings()[0].midi = {.command = 7, .channel = -1, .status = kStatusAny};
    EXPECT_TRUE(Canvas().ApplyMidiInput(60, 2, kStatusNoteOn, 100));
    EXPECT_EQ(button->ValueAt(0), 127);
    EXPECT_TRUE(Canvas().ApplyMidiInput(60, 2, kStatusNoteOff, 0));
    EXPECT_EQ(button->ValueAt(0), 0);
    EXPECT_FALSE(Canvas().ApplyMidiInput(60, 3, kStatusNoteOn, 100)); // another channel
    EXPECT_TRUE(Canvas().ApplyMidiInput(7, 15, kStatusControlChange, 99));
    EXPECT_EQ(fader->ValueAt(0), 99);

    // A control pasted afterwards answers at once: the edit marked the index for rebuilding.
    Canvas().SetSelection({button});
    const auto clipboard = Canvas().CopySelection();
    Canvas().Paste(clipboard);
    CCtrl__Base *copy = doc.Console().Controls().back().get();
    copy->Bindings()[0].midi = {.command = 61, .channel = 2, .status = kStatusNoteOn};
    doc.UndoStack().undo();
    doc.UndoStack().redo();
    EXPECT_TRUE(Canvas().ApplyMidiInput(61, 2, kStatusNoteOn, 1));
    EXPECT_EQ(copy->ValueAt(0), 127);
}
