// The property panel driven through its editors as a user drives it: a fader's bindings picked
// from the lists, undone, redone and saved; the console's size and the position of several
// controls with their limits; the tree of each kind; a group's pages with Shift, a binding
// learnt, and a binding used twice.
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

#include "design/data_ccd.h"
#include "editor/design_picker.h"
#include "model/ctrl_factory.h"
#include "model/korvane_doc.h"
#include "model/property_commands.h"
#include "properties/dock_properties.h"
#include "test_support.h"

using namespace korvane;
using dataConsole::CCtrl__Base;

namespace {

// Answers the "Draw" button with the design a test names.
class CScriptedPicker final : public IDesignPicker
{
public:
    QString design;
    std::optional<QString> ChooseDesign(QWidget *, int, const dataConsole::CConsoleData &) override { return design; }
    std::optional<QString> ChoosePicture(QWidget *, const QString &) override { return std::nullopt; }
};

class PropertiesTest : public testing::Test
{
protected:
    PropertiesTest() : panel(picker)
    {
        // A group of buttons with four pages.
        auto &pages = *library.emplace_back(std::make_unique<dataConsole::CDataCCD>());
        pages.SetName(QStringLiteral("Pages.ccd"));
        pages.ImageManager().SetImage(dataConsole::ccdImage::kGroupButtonsBackground, test::Solid(200, 50, Qt::gray));
        pages.groupButtons.SetButtonCount(4);
        for (int i = 0; i < 4; ++i)
            pages.groupButtons.Button(i)->button = QRect(i * 50, 0, 50, 50);
        doc.Console().settings.width = 600;
        doc.Console().settings.height = 400;
        panel.resize(400, 900);
        panel.SetDocument(&doc);
        panel.show();
    }

    CCtrl__Base *Add(int kind, QRect rect)
    {
        CCtrl__Base *control = doc.Console().AddControl(dataConsole::CreateControl(kind, &doc.Console(), nullptr, nullptr));
        control->SetRect(rect);
        return control;
    }
    CPropertyItem *Item(const QStringList &path)
    {
        CPropertyItem *item = panel.Grid().Find(path);
        EXPECT_TRUE(item) << path.join(QLatin1Char('/')).toStdString();
        return item;
    }
    QStringList Captions(const QStringList &path)
    {
        QStringList captions;
        const CPropertyItem *parent = path.isEmpty() ? &panel.Grid().Root() : Item(path);
        for (int i = 0; parent && i < parent->ChildCount(); ++i)
            captions << parent->Child(i)->Caption();
        return captions;
    }
    // Opens the row's list and picks an entry, as a click on the entry does.
    void Pick(const QStringList &path, int entry)
    {
        auto *combo = qobject_cast<QComboBox *>(panel.Grid().EditValue(Item(path)));
        ASSERT_TRUE(combo) << path.join(QLatin1Char('/')).toStdString();
        combo->setCurrentIndex(entry);
        QCoreApplication::processEvents();
    }
    // Types a number into the row's spin box and leaves it with Tab: the next row's editor opens.
    void Type(const QStringList &path, const QString &text)
    {
        auto *spin = qobject_cast<QSpinBox *>(panel.Grid().EditValue(Item(path)));
        ASSERT_TRUE(spin) << path.join(QLatin1Char('/')).toStdString();
        TypeInto(spin, text);
    }
    static void TypeInto(QSpinBox *spin, const QString &text)
    {
        spin->selectAll();
        QTest::keyClicks(spin, text);
        QTest::keyClick(spin, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    int Steps() { return doc.UndoStack().count(); }
    // Clicks the in-place button at the end of the row.
    void PressButton(const QStringList &path)
    {
        CPropertyGrid &grid = panel.Grid();
        CPropertyItem *item = Item(path);
        const int column = item->IsCategory() ? CPropertyModel::kCaptionColumn : CPropertyModel::kValueColumn;
        const QRect row = grid.visualRect(grid.Model().IndexOf(item, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(row.right() - 4, row.center().y()));
    }

    dataConsole::CDesignList library;
    QTemporaryDir app;
    CKorvaneDoc doc{app.path(), &library};
    CScriptedPicker picker;
    CDockProperties panel;
};

const QString kMidi = QStringLiteral("Midi data");
const QString kStatus = QStringLiteral("Status");
const QString kCommand = QStringLiteral("Command");
const QString kChannel = QStringLiteral("Channel");

} // namespace

TEST_F(PropertiesTest, FaderBindingsPickedFromTheListsUndoRedoAndSave)
{
    CCtrl__Base *fader = Add(dataConsole::kCtrlFaderVert, QRect(20, 20, 40, 120));
    doc.SetSelection({fader});
    const QStringList midi{QStringLiteral("Data"), kMidi};
    Pick(midi + QStringList{kStatus}, 5);   // 11 - Control Change
    Pick(midi + QStringList{kCommand}, 8);  // controller 7
    Pick(midi + QStringList{kChannel}, 3);  // channel 3, stored from 0
    const dataConsole::CMidiData &bound = fader->Bindings()[0].midi;
    EXPECT_EQ((std::array{bound.status, bound.command, bound.channel}), (std::array<std::int16_t, 3>{11, 7, 2}));
    EXPECT_EQ(Item(midi + QStringList{kCommand})->DisplayText(), QStringLiteral("  7 - Channel Volume"));
    EXPECT_EQ(Steps(), 3);

    // Each pick is one step; the rows show what undo and redo put back.
    for (int i = 0; i < 3; ++i)
        doc.UndoStack().undo();
    EXPECT_EQ(fader->Bindings()[0].midi, dataConsole::CMidiData());
    EXPECT_EQ(Item(midi + QStringList{kStatus})->DisplayText(), QStringLiteral("All status"));
    EXPECT_EQ(Item(midi + QStringList{kChannel})->IntValue(), 0);
    for (int i = 0; i < 3; ++i)
        doc.UndoStack().redo();
    EXPECT_EQ(Item(midi + QStringList{kChannel})->IntValue(), 3);

    // Saved, the console is the one whose binding was set directly.
    CKorvaneDoc expected(app.path(), &library);
    expected.Console().settings = doc.Console().settings;
    CCtrl__Base *twin = expected.Console().AddControl(
        dataConsole::CreateControl(dataConsole::kCtrlFaderVert, &expected.Console(), nullptr, nullptr));
    twin->SetRect(fader->Rect());
    twin->Bindings()[0].midi = {7, 2, 11};
    ASSERT_TRUE(doc.Save(app.filePath(QStringLiteral("panel.csl2"))));
    ASSERT_TRUE(expected.Save(app.filePath(QStringLiteral("direct.csl2"))));
    EXPECT_EQ(test::ReadBytes(app.filePath(QStringLiteral("panel.csl2"))),
              test::ReadBytes(app.filePath(QStringLiteral("direct.csl2"))));

    // A program change has no command: one entry, read-only, the command set to 0. A control
    // change offers the controllers again.
    Pick(midi + QStringList{kStatus}, 6);
    CPropertyItem *command = Item(midi + QStringList{kCommand});
    EXPECT_EQ(command->Entries(), QStringList{QStringLiteral("Undefined")});
    EXPECT_TRUE(command->IsReadOnly());
    EXPECT_EQ(fader->Bindings()[0].midi.command, 0);
    Pick(midi + QStringList{kStatus}, 5);
    EXPECT_EQ(command->Entries().size(), 256);
    EXPECT_FALSE(command->IsReadOnly());
    EXPECT_EQ(Item({QStringLiteral("Data"), QStringLiteral("DMX data"), kChannel})->Entries().size(), 513);
    EXPECT_EQ(Item({QStringLiteral("Data"), QStringLiteral("DMX data"), QStringLiteral("Univers")})->Entries().size(), 6);

    // A number typed and left with Tab is applied; so is the next one, typed in the editor Tab opened.
    Type({QStringLiteral("Control pos"), QStringLiteral("Location X")}, QStringLiteral("50"));
    auto *next = qobject_cast<QSpinBox *>(panel.Grid().indexWidget(panel.Grid().currentIndex()));
    ASSERT_TRUE(next);
    TypeInto(next, QStringLiteral("60"));
    EXPECT_EQ(fader->Rect().topLeft(), QPoint(50, 60));
}

TEST_F(PropertiesTest, ConsoleSizeAndPositionsKeepTheirLimits)
{
    CCtrl__Base *a = Add(dataConsole::kCtrlButton, QRect(10, 10, 80, 40));
    CCtrl__Base *b = Add(dataConsole::kCtrlButton, QRect(10, 100, 200, 40));
    CCtrl__Base *c = Add(dataConsole::kCtrlButton, QRect(300, 200, 80, 40));
    EXPECT_EQ(Captions({}), (QStringList{QStringLiteral("Zone view"), QStringLiteral("Grid")}));
    // The console never gets smaller than what is on it.
    Type({QStringLiteral("Zone view"), QStringLiteral("CX")}, QStringLiteral("100"));
    EXPECT_EQ(doc.Console().settings.width, 380);
    EXPECT_EQ(Item({QStringLiteral("Zone view"), QStringLiteral("CX")})->IntValue(), 380);

    // 300 would put b past the console's 380: all three stop at the left edge b can take.
    doc.SetSelection({c, b, a});
    const int steps = Steps();
    Type({QStringLiteral("Control pos"), QStringLiteral("Location X")}, QStringLiteral("300"));
    EXPECT_EQ((std::array{a->Rect().x(), b->Rect().x(), c->Rect().x()}), (std::array{180, 180, 180}));
    EXPECT_EQ(Item({QStringLiteral("Control pos"), QStringLiteral("Location X")})->IntValue(), 180);
    EXPECT_EQ(Steps(), steps + 1);
    // A width beyond the console is limited for each control by its own left edge.
    doc.SetSelection({c, a});
    Type({QStringLiteral("Control pos"), QStringLiteral("Width")}, QStringLiteral("500"));
    EXPECT_EQ(a->Rect().right() + 1, 380);
    EXPECT_EQ(c->Rect().right() + 1, 380);

    // A category collapsed by the user stays collapsed in the next tree.
    CPropertyGrid &grid = panel.Grid();
    grid.collapse(grid.Model().IndexOf(Item({QStringLiteral("Control pos")})));
    doc.SetSelection({b});
    EXPECT_FALSE(grid.isExpanded(grid.Model().IndexOf(Item({QStringLiteral("Control pos")}))));
    EXPECT_TRUE(grid.isExpanded(grid.Model().IndexOf(Item({QStringLiteral("Zone draw")}))));
}

TEST_F(PropertiesTest, EachKindShowsItsOwnRows)
{
    CCtrl__Base *label = Add(dataConsole::kCtrlLabel, QRect(10, 10, 80, 40));
    doc.SetSelection({label});
    const QString text = QStringLiteral("Text properties");
    EXPECT_EQ(Captions({}), (QStringList{QStringLiteral("Control pos"), text}));
    EXPECT_EQ(Captions({text}), (QStringList{QStringLiteral("Color"), QStringLiteral("Font size"), QStringLiteral("Draw frame"),
                                             QStringLiteral("Horizontal position"), QStringLiteral("Vertical position"),
                                             QStringLiteral("Text")}));
    EXPECT_EQ(Item({text, QStringLiteral("Horizontal position")})->Entries().size(), 3);
    EXPECT_EQ(Item({text, QStringLiteral("Vertical position")})->Entries().size(), 3);

    CCtrl__Base *wheel = Add(dataConsole::kCtrlWheel, QRect(100, 10, 80, 80));
    doc.SetSelection({wheel});
    EXPECT_EQ(Captions({QStringLiteral("Data")}),
              (QStringList{QStringLiteral("Send MIDI feedback"), QStringLiteral("Send Feedback when recieved"), kMidi,
                           QStringLiteral("Midi decrement data"), QStringLiteral("DMX data"),
                           QStringLiteral("Dmx decrement data")}));
    // The drawing's offset is typed only while its alignment leaves it free.
    const QString draw = QStringLiteral("Zone draw");
    EXPECT_TRUE(Item({draw, QStringLiteral("Location X")})->IsReadOnly());
    Pick({draw, QStringLiteral("Horizontal position")}, 3);
    EXPECT_FALSE(Item({draw, QStringLiteral("Location X")})->IsReadOnly());
    // The drawing chosen through the button's picker, one step that undo takes back.
    picker.design = QStringLiteral("Pages.ccd");
    PressButton({draw, QStringLiteral("Draw")});
    EXPECT_EQ(wheel->DesignName(), QStringLiteral("Pages.ccd"));
    EXPECT_EQ(Item({draw, QStringLiteral("Draw")})->Value().toString(), QStringLiteral("Pages.ccd"));
    doc.UndoStack().undo();
    EXPECT_TRUE(wheel->DesignName().isEmpty());
}

TEST_F(PropertiesTest, GroupPagesShiftLearningAndBindingsUsedTwice)
{
    CCtrl__Base *group = Add(dataConsole::kCtrlGroupButtons, QRect(0, 0, 200, 50));
    QString name = QStringLiteral("Pages.ccd");
    group->SetDesign(doc.Console().ResolveDesign(name));
    CCtrl__Base *button = Add(dataConsole::kCtrlButton, QRect(10, 100, 80, 40));
    doc.SetSelection({button});
    const QStringList attach{QStringLiteral("Control pos"), QStringLiteral("Group")};
    EXPECT_EQ(Item(attach)->Entries(), (QStringList{QStringLiteral("Undefined"), QString::number(group->Id())}));
    Pick(attach, 1);
    EXPECT_EQ(button->ParentGroup(), group);
    QCoreApplication::processEvents();
    const QString data = QStringLiteral("Midi & DMX data");
    EXPECT_EQ(Captions({data}).size(), 8);

    // Shift held while the channel of index 2 is picked sets it on all four indexes, in one step.
    QWindow *window = panel.window()->windowHandle();
    QTest::keyPress(window, Qt::Key_Shift, Qt::ShiftModifier);
    const int steps = Steps();
    Pick({data, QStringLiteral("Midi data control group index 2"), kChannel}, 5);
    QTest::keyRelease(window, Qt::Key_Shift);
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(button->Bindings()[page].midi.channel, 4) << page;
    EXPECT_EQ(Steps(), steps + 1);
    Pick({data, QStringLiteral("Midi data control group index 3"), kChannel}, 2);
    EXPECT_EQ(button->Bindings()[2].midi.channel, 1);
    EXPECT_EQ(button->Bindings()[3].midi.channel, 4);

    // The learn button of page 1 stores the message learnt, one step; a fader outside the group
    // bound to the same message flags that page, naming the fader.
    panel.SetLearner([](QWidget *) { return CLearntMidi{64, 0, 11, 100}; });
    const QStringList page1{data, QStringLiteral("Midi data control group index 1")};
    PressButton(page1);
    EXPECT_EQ(button->Bindings()[0].midi, (dataConsole::CMidiData{64, 0, 11}));
    EXPECT_EQ(Steps(), steps + 3);
    EXPECT_TRUE(Item(page1)->Warning().isEmpty());
    CCtrl__Base *fader = Add(dataConsole::kCtrlFaderVert, QRect(300, 10, 40, 120));
    doc.UndoStack().push(new CBindingCommand(doc, QString(), {fader}, 0, [](dataConsole::CBindingSet &set) {
        set.midi = {64, 0, 11};
    }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Item(page1)->Warning().contains(QStringLiteral("LinearSliderVert at (300,10)")));
    EXPECT_TRUE(Item({data, QStringLiteral("Midi data control group index 2")})->Warning().isEmpty());
}
