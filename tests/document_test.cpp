// The console document without any window: every family of edit as a command that undoes
// back to the bytes the console was opened with, what the document announces, its selection,
// the clipboard, drags worked out as geometry, and MIDI played onto its controls.
#include <QSignalSpy>

#include <algorithm>
#include <set>

#include "core/folders.h"
#include "design/design_list.h"
#include "model/change_values.h"
#include "model/console_file.h"
#include "model/ctrl_factory.h"
#include "model/drag_geometry.h"
#include "model/edit_operations.h"
#include "model/geometry_command.h"
#include "model/korvane_doc.h"
#include "model/property_commands.h"
#include "test_support.h"

using namespace korvane;
using namespace dataConsole;

namespace {

const QString kSamples = QStringLiteral(KORVANE_SOURCE_DIR "/data");

class DocumentTest : public testing::Test
{
protected:
    DocumentTest() { FillDesignLibrary(library, kSamples); }

    std::string Bytes() const { return ConsoleFileBytes(doc.Console()); }
    // The first line where the console's bytes differ from `expected`; empty when none does.
    std::string FirstDifference(const std::string &expected) const
    {
        const std::string actual = Bytes();
        const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
        if (a == actual.end() && e == expected.end())
            return {};
        const auto lineStart = actual.rfind('\n', std::size_t(a - actual.begin()));
        return actual.substr(lineStart == std::string::npos ? 0 : lineStart + 1, 200);
    }
    // The controls of a kind, in list order.
    std::vector<CCtrl__Base *> OfKind(int kind) const
    {
        std::vector<CCtrl__Base *> found;
        for (const auto &control : doc.Console().Controls()) {
            if (control->Kind() == kind)
                found.push_back(control.get());
        }
        return found;
    }
    CCtrl__Base *Add(int kind, QRect rect)
    {
        CCtrl__Base *control = doc.Console().AddControl(CreateControl(kind, &doc.Console(), nullptr, nullptr));
        control->SetRect(rect);
        control->SetImageSize(rect.size());
        return control;
    }
    template <typename T>
    void Set(const QString &text, const std::vector<CCtrl__Base *> &controls, T value,
             std::function<T(const CCtrl__Base &)> get, std::function<void(CCtrl__Base &, const T &)> set,
             int mergeId = kMergeNone)
    {
        doc.Push(std::make_unique<CChangeValues<T>>(doc, text, controls, std::move(get), std::move(set), value,
                                                    DocChange::kProperties, mergeId));
    }

    CDesignList library;
    CKorvaneDoc doc{kSamples, &library};
};

} // namespace

TEST(DragGeometry, MovesAndResizesLandOnTheMinorGrid)
{
    EXPECT_EQ(SnapMoveOffset(3, 35, 95, 20), 5);   // the left edge forward to 40
    EXPECT_EQ(SnapMoveOffset(20, 30, 90, 20), 10); // all four 10 away: the left edge back
    EXPECT_EQ(SnapMoveOffset(-3, 41, 97, 20), -1); // the left edge back to 40
    EXPECT_EQ(SnapMoveOffset(0, 40, 101, 20), 0);  // already on the grid
    EXPECT_EQ(SnapResizeOffset(95, 3, 20), 5);     // 98 rounds forward to 100
    EXPECT_EQ(SnapResizeOffset(90, 0, 20), -10);   // a tie rounds back
    EXPECT_EQ(SnapMoveOffset(7, 1, 2, 0), 7);      // no grid, no snap
    EXPECT_EQ(ResizedConsole(QSize(600, 400), kEdgeRight, QPoint(-500, 90), QSize(480, 340)), QSize(480, 400));
}

TEST_F(DocumentTest, EveryFamilyOfEditUndoesBackToTheOpenedBytes)
{
    ASSERT_TRUE(doc.Open(CAppFolders(kSamples).ConsoleFolder() + QStringLiteral("/Band Gig.csl2")));
    const std::string opened = Bytes();
    ASSERT_EQ(opened, korvane::test::ReadBytes(doc.PathName()));
    // The buttons outside the page group, which is deleted below with all it holds.
    std::vector<CCtrl__Base *> buttons;
    for (CCtrl__Base *button : OfKind(kCtrlButton)) {
        if (!button->ParentGroup())
            buttons.push_back(button);
    }
    CCtrl__Base *knob = OfKind(kCtrlFaderRotary).at(0);
    CCtrl__Base *pages = OfKind(kCtrlGroupButtons).at(0);
    CCtrl__Base *plusMinus = OfKind(kCtrlGroupIncDec).at(0);
    ASSERT_EQ(buttons.size(), 3u);
    ASSERT_FALSE(knob->ParentGroup());

    // Controls added and removed: placing, a picture, pasting, deleting a group and all it holds.
    auto placed = MakePlaceControlCommand(doc, kCtrlFaderVert, QPoint(600, 300), QStringLiteral("fader_channel.ccd"));
    CCtrl__Base *fader = placed->Controls().at(0);
    doc.Push(std::move(placed));
    EXPECT_EQ(fader->DesignName(), QStringLiteral("Fader_Channel.ccd"));
    doc.Push(MakePlacePictureCommand(doc, QPoint(700, 20), CAppFolders(kSamples).BackgroundFolder(),
                                     QStringLiteral("stage_plan.png")));
    doc.SetSelection({fader});
    CControlClipboard clipboard;
    clipboard.Copy(doc);
    doc.Push(clipboard.MakePasteCommand(doc));
    doc.SetSelection({pages});
    const std::size_t before = doc.Console().Controls().size();
    doc.Push(MakeDeleteCommand(doc));
    EXPECT_LT(doc.Console().Controls().size() + 1, before); // the group took its contents

    // Geometry: one drag of several steps and nudges that merge, each into one step; arranging.
    const int gesture = NewGesture();
    const CCtrlGeometry start = buttons[0]->Geometry();
    for (int dx : {5, 12, 30}) {
        CCtrlGeometry after = start;
        after.rect = QRect(QPoint(20 + dx, 300), after.rect.size());
        doc.Push(std::make_unique<CGeometryCommand>(
            doc, QStringLiteral("Move"), std::vector<CGeometryCommand::Change>{{buttons[0], start, after}},
            QSize(1060, 520), kMergeDrag, gesture));
    }
    doc.SetSelection({buttons[1], buttons[2]});
    for (int i = 0; i < 3; ++i)
        doc.Push(MakeNudgeCommand(doc, QPoint(1, 0)));
    EXPECT_EQ(doc.UndoStack().count(), 4 + 2);
    doc.SetSelection({buttons[0], buttons[1], knob});
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kAlignLeft));
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kSpreadVertically));
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kSameSize));

    // Values on N controls, with the side effects of their setters; the same property merged.
    const std::vector<CCtrl__Base *> two{buttons[0], buttons[1]};
    Set<int>(QStringLiteral("Text position"), two, kTextBelow, [](const CCtrl__Base &c) { return c.TextAlign(); },
             [](CCtrl__Base &c, const int &v) { c.SetTextAlign(v); });
    for (int red : {10, 200})
        Set<ColorRef>(QStringLiteral("Text colour"), two, MakeColorRef(red, 0, 0),
                      [](const CCtrl__Base &c) { return c.TextColor(); },
                      [](CCtrl__Base &c, const ColorRef &v) { c.SetTextColor(v); }, kMergeValue);
    Set<QSize>(QStringLiteral("Image size"), {buttons[2]}, QSize(10, 10),
               [](const CCtrl__Base &c) { return c.StoredImageSize(); },
               [](CCtrl__Base &c, const QSize &v) { c.SetImageSize(v); });
    CCtrl__Base *inside = nullptr;
    for (const auto &control : doc.Console().Controls())
        if (control->ParentGroup() == plusMinus)
            inside = control.get();
    ASSERT_TRUE(inside);
    Set<CCtrl__Base *>(QStringLiteral("Group"), {fader}, plusMinus, [](const CCtrl__Base &c) { return c.ParentGroup(); },
                       [](CCtrl__Base &c, CCtrl__Base *const &group) { c.SetParentGroup(group); });

    // Bindings at one page and at every page.
    ASSERT_GE(inside->Bindings().Count(), 2);
    doc.Push(std::make_unique<CBindingCommand>(doc, QStringLiteral("Command"), std::vector<CCtrl__Base *>{inside}, 1,
                                               [](CBindingSet &set) { set.midi.command = 99; }));
    doc.Push(std::make_unique<CBindingCommand>(doc, QStringLiteral("Channel"), std::vector<CCtrl__Base *>{inside},
                                               std::nullopt, [](CBindingSet &set) { set.dmx.channel = 12; }));
    EXPECT_EQ(inside->Bindings()[1].midi.command, 99);
    EXPECT_EQ(inside->Bindings()[inside->Bindings().Count() - 1].dmx.channel, 12);

    // Console settings, snapping, designs applied and applied again.
    CConsoleSettings settings = doc.Console().settings;
    settings.width = 1200;
    settings.gridSubStep = 25;
    settings.background = MakeColorRef(1, 2, 3);
    settings.transparentBackground = false;
    doc.Push(std::make_unique<CConsoleSettingsCommand>(doc, QStringLiteral("Console"), settings));
    doc.Push(MakeToggleSnapCommand(doc));
    doc.Push(std::make_unique<CDesignCommand>(doc, QStringLiteral("Design"), std::vector<CCtrl__Base *>{buttons[0]},
                                              QStringLiteral("Button_Red.ccd"), true));
    doc.SetSelection({buttons[2]});
    doc.Push(MakeReapplyDesignCommand(doc)); // gives back the design's image size
    EXPECT_EQ(buttons[2]->StoredImageSize(), QSize(64, 48));
    doc.SetSelection({plusMinus});
    doc.Push(MakeReapplyDesignCommand(doc)); // nothing to change: no step
    // 4 list edits, the drag, the nudges, 3 arrangements, 4 values (the colour set twice is
    // one), 2 bindings, settings, snapping, 2 designs: the design applied again where nothing
    // changes is none.
    EXPECT_EQ(doc.UndoStack().count(), 19);

    const std::string edited = Bytes();
    ASSERT_NE(edited, opened);
    EXPECT_TRUE(doc.IsModified());
    for (int round = 0; round < 2; ++round) {
        while (doc.UndoStack().canUndo())
            doc.UndoStack().undo();
        EXPECT_EQ(FirstDifference(opened), "");
        EXPECT_FALSE(doc.IsModified());
        while (doc.UndoStack().canRedo())
            doc.UndoStack().redo();
        EXPECT_EQ(FirstDifference(edited), "");
    }
}

TEST_F(DocumentTest, AnnouncesWhatChangedAndKeepsTheSelectionOnTheConsole)
{
    CCtrl__Base *a = Add(kCtrlButton, QRect(10, 10, 80, 40));
    CCtrl__Base *b = Add(kCtrlButton, QRect(100, 10, 80, 40));
    std::vector<CDocChangeEvent> heard;
    QObject::connect(&doc, &CKorvaneDoc::changed, [&](const CDocChangeEvent &event) { heard.push_back(event); });
    QSignalSpy selections(&doc, &CKorvaneDoc::selectionChanged);
    QSignalSpy modified(&doc, &CKorvaneDoc::modifiedChanged);

    doc.SetSelection({a, b, a}); // a picked again counts last
    EXPECT_EQ(doc.Selection(), (std::vector<CCtrl__Base *>{b, a}));
    EXPECT_EQ(doc.Primary(), a);
    doc.SetSelection({b, a});
    EXPECT_EQ(selections.count(), 1); // no change, no signal

    doc.Push(MakeNudgeCommand(doc, QPoint(0, 5)));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].kinds, DocChanges(DocChange::kGeometry));
    EXPECT_EQ(heard[0].controls, (std::vector<CCtrl__Base *>{b, a}));
    EXPECT_EQ(modified.count(), 1);

    // Deleted controls leave the selection; undo brings them back, unselected.
    doc.SetSelection({a});
    doc.Push(MakeDeleteCommand(doc));
    EXPECT_EQ(heard.back().kinds, DocChanges(DocChange::kControlsRemoved));
    EXPECT_TRUE(doc.Selection().empty());
    doc.UndoStack().undo();
    EXPECT_EQ(heard.back().kinds, DocChanges(DocChange::kControlsAdded));

    // The lock is the editor's, not the file's: announced, not an edit.
    doc.SetLocked(true);
    EXPECT_EQ(heard.back().kinds, DocChanges(DocChange::kConsoleSettings));
    EXPECT_EQ(doc.UndoStack().index(), 1);
}

TEST_F(DocumentTest, ArrangingAlignsSpreadsAndSizesAgainstThePrimary)
{
    CCtrl__Base *a = Add(kCtrlLabel, QRect(500, 10, 80, 20));
    CCtrl__Base *b = Add(kCtrlLabel, QRect(100, 60, 30, 30));
    CCtrl__Base *primary = Add(kCtrlLabel, QRect(540, 200, 40, 20));
    doc.Console().settings.width = 600;
    doc.SetSelection({a, b, primary});
    // Left sides: a would pass the console's right edge, so its right edge goes there.
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kAlignLeft));
    EXPECT_EQ(a->Rect(), QRect(520, 10, 80, 20));
    EXPECT_EQ(b->Rect().x(), 540);
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kAlignBottom));
    EXPECT_EQ(a->Rect().y() + a->Rect().height(), 220);
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kSameSize));
    EXPECT_EQ(b->Rect().size(), QSize(40, 20));

    // Heights 20, 30, 20 between 0 and 110 leave gaps of 20; overlapping ones close up.
    a->SetRect(QRect(0, 0, 10, 20));
    b->SetRect(QRect(0, 90, 10, 20));
    primary->SetRect(QRect(0, 30, 10, 30));
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kSpreadVertically));
    EXPECT_EQ(primary->Rect().y(), 40);
    EXPECT_EQ(b->Rect().y(), 90);
    b->SetRect(QRect(0, 10, 10, 20));
    primary->SetRect(QRect(0, 5, 10, 30));
    doc.Push(MakeArrangeCommand(doc, ArrangeOperation::kSpreadVertically));
    // Span 0..35, 70 high in all: gap (35 - 70) / 2 = -17.
    EXPECT_EQ(primary->Rect().y(), 20 - 17);
    EXPECT_EQ(b->Rect().y(), 3 + 30 - 17);
    // Two controls cannot be spread.
    doc.SetSelection({a, b});
    EXPECT_FALSE(MakeArrangeCommand(doc, ArrangeOperation::kSpreadVertically));
}

TEST_F(DocumentTest, PastedCopiesLandWhereTheyShowWithTheirOwnIdentifiers)
{
    CCtrl__Base *group = Add(kCtrlGroupButtons, QRect(10, 10, 200, 100));
    CCtrl__Base *inside = Add(kCtrlButton, QRect(20, 20, 80, 40));
    inside->SetParentGroup(group);
    CCtrl__Base *fader = Add(kCtrlFaderVert, QRect(300, 10, 30, 200));
    fader->SetLabel(0, QStringLiteral("Master"));
    fader->Bindings()[0].midi.command = 7;
    const std::string original = Bytes();

    doc.SetSelection({fader, group});
    CControlClipboard clipboard;
    clipboard.Copy(doc);
    // Over the originals, the copies move on by a grid step, then another.
    doc.Push(clipboard.MakePasteCommand(doc));
    doc.Push(clipboard.MakePasteCommand(doc));
    const auto &controls = doc.Console().Controls();
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(controls[3]->Rect(), QRect(320, 30, 30, 200));
    EXPECT_EQ(controls[3]->Bindings()[0].midi.command, -1); // bindings stay behind
    EXPECT_EQ(controls[6]->Rect(), QRect(50, 50, 200, 100));
    std::set<int> ids;
    for (const auto &control : controls)
        ids.insert(control->Id());
    EXPECT_EQ(ids.size(), controls.size());

    // Deleted first, the copies take the places they were copied from.
    doc.UndoStack().undo();
    doc.UndoStack().undo();
    doc.SetSelection({fader, group});
    doc.Push(MakeDeleteCommand(doc));
    EXPECT_TRUE(controls.empty());
    doc.Push(clipboard.MakePasteCommand(doc));
    EXPECT_EQ(controls.at(0)->Rect(), QRect(300, 10, 30, 200));
    while (doc.UndoStack().canUndo())
        doc.UndoStack().undo();
    EXPECT_EQ(FirstDifference(original), "");
}

TEST_F(DocumentTest, IncomingMidiPlaysOntoTheBoundControlsAsTheyAreNow)
{
    CCtrl__Base *button = Add(kCtrlButton, QRect(10, 10, 80, 40));
    button->Bindings()[0].midi = {.command = 60, .channel = 2, .status = kStatusNoteOnOff};
    CCtrl__Base *fader = Add(kCtrlFaderVert, QRect(100, 10, 30, 127));
    fader->Bindings()[0].midi = {.command = 7, .channel = -1, .status = kStatusAny};
    QSignalSpy changes(&doc, &CKorvaneDoc::changed);
    EXPECT_TRUE(doc.ApplyMidiInput(60, 2, kStatusNoteOn, 100));
    EXPECT_EQ(button->ValueAt(0), 127);
    EXPECT_FALSE(doc.ApplyMidiInput(60, 3, kStatusNoteOn, 100)); // another channel
    EXPECT_TRUE(doc.ApplyMidiInput(7, 15, kStatusControlChange, 99));
    EXPECT_EQ(fader->ValueAt(0), 99);
    EXPECT_EQ(changes.count(), 2); // values are announced, and are no edit
    EXPECT_FALSE(doc.IsModified());

    // A binding changed by a command, and controls deleted or brought back, answer at once.
    doc.Push(std::make_unique<CBindingCommand>(doc, QStringLiteral("Command"), std::vector<CCtrl__Base *>{fader}, 0,
                                               [](CBindingSet &set) { set.midi.command = 8; }));
    EXPECT_FALSE(doc.ApplyMidiInput(7, 1, kStatusControlChange, 5));
    EXPECT_TRUE(doc.ApplyMidiInput(8, 1, kStatusControlChange, 5));
    doc.SetSelection({button});
    doc.Push(MakeDeleteCommand(doc)); // off the console: nothing plays onto it
    EXPECT_FALSE(doc.ApplyMidiInput(60, 2, kStatusNoteOn, 1));
    doc.UndoStack().undo();
    EXPECT_TRUE(doc.ApplyMidiInput(60, 2, kStatusNoteOn, 1));
}
