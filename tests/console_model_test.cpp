// Console controls: the element each kind writes, what reading gives, the design a control
// finds, text positions, values, hit tests, copying and groups with their pages.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "design/data_ccd.h"
#include "design/design_list.h"
#include "model/console_data.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_button.h"
#include "model/ctrl_factory.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_label.h"
#include "model/ctrl_pads.h"
#include "model/ctrl_wheel.h"
#include "test_support.h"

using namespace dataConsole;
using namespace dataConsole::ccdImage;
using namespace korvane::test;
using korvane::CXmlNode;
using korvane::MakeColorRef;

namespace {

// The shared attributes in file order; a case names only what it changes.
struct Shared
{
    bool lock = false;
    QRect rect{0, 0, 0, 0};
    QSize image{0, 0};
    std::string design{};
    int textAlign = 1;
    QRect text{0, 0, 0, 0};
    std::string textColor = "#323232";
    int font = 16;
    bool frame = false;
    std::string color = "#808080";
};

std::string Attrs(const Shared &a)
{
    auto attr = [](const char *name, const std::string &value) { return std::string(name) + "=\"" + value + "\" "; };
    auto num = [&](const char *name, int value) { return attr(name, std::to_string(value)); };
    std::string s = num("Lock", a.lock) + num("x", a.rect.x()) + num("y", a.rect.y()) + num("cx", a.rect.width()) +
                    num("cy", a.rect.height()) + num("ctrl_x", 0) + num("ctrl_y", 0) + num("ImageCx", a.image.width()) +
                    num("ImageCy", a.image.height()) + attr("control_file_draw", a.design) +
                    num("TextAlign", a.textAlign) + num("TAlignX", 2) + num("TAlignY", 2) + num("info_x", a.text.x()) +
                    num("info_cx", a.text.width()) + num("info_y", a.text.y()) + num("info_cy", a.text.height()) +
                    attr("colorTxt", a.textColor) + num("sFontTxt", a.font) + num("bDrawCadre", a.frame) +
                    attr("color", a.color);
    s.pop_back();
    return s;
}

std::string Midi(const char *tag, int command, int channel, int status)
{
    return "<" + std::string(tag) + " command=\"" + std::to_string(command) + "\" channel=\"" +
           std::to_string(channel) + "\" status=\"" + std::to_string(status) +
           "\" FeedBack=\"1\" FeedBackRecieved=\"0\" OnValue=\"-1\" OffValue=\"-1\" OnCh=\"-1\" OffCh=\"-1\" />";
}

// A console with a design library holding one design of each kind a test needs.
class ConsoleModelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CDataCCD &knob = AddDesign(m_library, "knob.ccd", {{kRotaryDial, {64, 64}}});
        knob.rotary.angleMin = 225;
        knob.rotary.angleMax = 315;
        CDataCCD &pages =
            AddDesign(m_library, "Pages.ccd", {{kGroupButtonsBackground, {200, 50}}, {kButtonOff, {40, 40}}});
        pages.groupButtons.SetButtonCount(4);
        for (int i = 0; i < 4; ++i) {
            CDataCCD::CGroupButtons::CBut &button = *pages.groupButtons.Button(i);
            button.button = QRect(i * 50, 0, 50, 50);
            button.image = QRect(i * 50 + 5, 5, 40, 40);
            button.label = QRect(i * 50, 40, 50, 10);
        }
        AddDesign(m_library, "steps.ccd", {{kIncDecBackground, {90, 30}}}).groupIncDec.displayImageCount = 3;
        AddDesign(m_library, "fader.ccd", {{kSliderHorzBackground, {200, 30}}, {kSliderHorzCursor, {20, 30}}})
            .sliderHorz.offsetX = 5;
        AddDesign(m_library, "wheel8.ccd", {{kWheelBackground, {50, 70}}}).wheel.imageCount = 8;
        AddDesign(m_library, "push.ccd", {{kButtonOff, {60, 24}}, {kButtonOn, {64, 20}}});
    }

    static CDataCCD &AddDesign(CDesignList &list, const char *name,
                               std::initializer_list<std::pair<unsigned, QSize>> images = {})
    {
        list.push_back(std::make_unique<CDataCCD>());
        list.back()->SetName(QString::fromLatin1(name));
        for (const auto &[id, size] : images)
            list.back()->ImageManager().SetImage(id, Solid(size.width(), size.height(), Qt::gray));
        return *list.back();
    }

    CDataCCD *Design(const char *name) { return FindDesign({}, m_library, QString::fromLatin1(name)); }

    template <typename Kind, typename... Args>
    Kind *Add(Args... args)
    {
        auto control = std::make_unique<Kind>(&m_console, nullptr, args...);
        Kind *raw = control.get();
        m_console.AddControl(std::move(control));
        return raw;
    }

    // A control read from `text`, the element's only reader being the kind's constructor.
    std::unique_ptr<CCtrl__Base> Read(const std::string &text, CCtrl__Base *parent = nullptr)
    {
        m_trees.push_back(Parsed(text));
        const CXmlNode &element = *m_trees.back();
        return CreateControl(KindOfTag(element.Name()), &m_console, &element, parent);
    }

    std::string Written(const CCtrl__Base &control)
    {
        CXmlNode root("T");
        control.SaveXml(root, m_console.Controls());
        std::string text;
        korvane::SaveXmlString(text, root);
        return text;
    }

    CDesignList m_library;
    CConsoleData m_console{&m_library};
    std::vector<std::unique_ptr<CXmlNode>> m_trees;
};

} // namespace

TEST_F(ConsoleModelTest, EveryKindWritesItsElementByteForByte)
{
    struct Case
    {
        const char *what;
        std::function<const CCtrl__Base *()> build;
        std::string expected;
    };
    const Case cases[] = {
        {"picture: its name first, no bindings",
         [&]() -> const CCtrl__Base * {
             auto picture = std::make_unique<CCtrl_Bitmap>(&m_console, nullptr, QString());
             picture->SetPicture(QString(), QStringLiteral("Stage.png")); // no such file: keeps its rectangle
             picture->SetRect({5, 6, 30, 20});
             picture->Bindings()[0].midi.command = 3;
             return m_console.AddPicture(std::move(picture));
         },
         Lines({"<T>", "  <Bitmap name=\"Stage.png\" " + Attrs({.rect = {5, 6, 30, 20}}) + " />", "</T>"})},
        {"button: bindings, then its flags",
         [&]() -> const CCtrl__Base * {
             auto *button = Add<CCtrl_Button>(nullptr);
             button->SetRect({10, 20, 80, 40});
             button->SetColor(MakeColorRef(255, 0, 16));
             button->SetTextColor(MakeColorRef(1, 2, 3));
             button->SetLabel(0, QStringLiteral("Go"));
             button->Bindings()[0].midi = {.command = 60, .channel = 0, .status = 9};
             button->Bindings()[0].pushButton = true;
             return button;
         },
         Lines({"<T>",
                "  <Button " +
                    Attrs({.rect = {10, 20, 80, 40}, .image = {80, 40}, .textColor = "#010203", .color = "#FF0010"}) +
                    ">",
                "    <Group0 label=\"Go\" poussoir=\"1\" IgnorZeroValue=\"0\">", "      " + Midi("MIDI", 60, 0, 9),
                "    </Group0>", "  </Button>", "</T>"})},
        {"fader: locked, framed text, no decrement records",
         [&]() -> const CCtrl__Base * {
             auto *fader = Add<CCtrl_FaderVert>(nullptr);
             fader->SetLocked(true);
             fader->SetFontSize(12);
             fader->SetDrawFrame(true);
             fader->SetTextRect({1, 2, 30, 15});
             fader->Bindings()[0].dmx = {5, 0};
             fader->Bindings()[0].midiDecrement.command = 9;
             return fader;
         },
         Lines({"<T>",
                "  <LinearSliderVert " +
                    Attrs({.lock = true, .image = {30, 100}, .text = {1, 2, 30, 15}, .font = 12, .frame = true}) + ">",
                "    <Group0>", "      <DMX channel=\"5\" univers=\"0\" />", "    </Group0>", "  </LinearSliderVert>",
                "</T>"})},
        {"wheel: both decrement records",
         [&]() -> const CCtrl__Base * {
             auto *wheel = Add<CCtrl_Wheel>(nullptr);
             wheel->Bindings()[0].midiDecrement = {.command = 7, .channel = 1, .status = 11};
             wheel->Bindings()[0].dmxDecrement = {9, 1};
             return wheel;
         },
         Lines({"<T>", "  <Wheel " + Attrs({.image = {80, 80}}) + ">", "    <Group0>",
                "      " + Midi("MIDIdecrement", 7, 1, 11), "      <DMXdecrement channel=\"9\" univers=\"1\" />",
                "    </Group0>", "  </Wheel>", "</T>"})},
        {"label: its texts only, in Windows-1252",
         [&]() -> const CCtrl__Base * {
             auto *label = Add<CCtrl_Label>(nullptr);
             label->SetLabel(0, QStringLiteral("Caf\u00e9"));
             label->Bindings()[0].midi.command = 1;
             return label;
         },
         Lines({"<T>", "  <Label " + Attrs({.image = {80, 40}}) + ">", "    <Group0 label=\"Caf\xE9\" />",
                "  </Label>", "</T>"})},
        {"group of buttons: a set per button, then its page-0 controls",
         [&]() -> const CCtrl__Base * {
             auto *group = Add<CCtrl_GroupButtons>();
             group->SetDesign(Design("pages.ccd"));
             group->SetLabel(0, QStringLiteral("A"));
             group->SetLabel(3, QStringLiteral("D"));
             auto *inside = Add<CCtrl_FaderVert>(group);
             inside->SetLabel(1, QStringLiteral("p2"));
             Add<CCtrl_Button>(group)->SetIndexInParent(1); // not on page 0: not written
             Add<CCtrl_Label>(nullptr);                       // not in the group
             return group;
         },
         Lines({"<T>", "  <GroupButtons " + Attrs({.image = {200, 50}, .design = "Pages.ccd"}) + ">",
                "    <Group0 label=\"A\" />", "    <Group3 label=\"D\" />",
                "    <LinearSliderVert " + Attrs({.image = {30, 100}}) + ">", "      <Group1 label=\"p2\" />",
                "    </LinearSliderVert>", "  </GroupButtons>", "</T>"})},
        {"increment/decrement group: its flags only when set, after the shared attributes",
         [&]() -> const CCtrl__Base * {
             auto *group = Add<CCtrl_GroupIncDec>();
             group->SetDesign(Design("steps.ccd"));
             group->SetSendChildFeedback(true);
             group->Bindings()[2].dmx = {1, 2};
             return group;
         },
         Lines({"<T>",
                "  <GroupIncDec " + Attrs({.image = {90, 30}, .design = "steps.ccd"}) +
                    " GroupSendChildFeedback=\"1\">",
                "    <Group2>", "      <DMX channel=\"1\" univers=\"2\" />", "    </Group2>", "  </GroupIncDec>",
                "</T>"})},
    };
    for (const Case &c : cases) {
        const CCtrl__Base *control = c.build();
        EXPECT_EQ(Written(*control), c.expected) << c.what;
    }
}

TEST_F(ConsoleModelTest, ReadControlsTakeTheFileDefaultsAndNewOnesTheirOwn)
{
    // New controls write their own defaults (the cases above); a bare element reads with the
    // file's: free text, a frame drawn.
    EXPECT_EQ(Written(*Read("<Button/>")),
              Lines({"<T>", "  <Button " + Attrs({.image = {80, 40}, .textAlign = 0, .frame = true}) + " />", "</T>"}));
    EXPECT_FALSE(Read("<Button bDrawCadre=\"2\"/>")->DrawFrame()); // only 1 sets it

    // Pictures are locked unless the file says otherwise.
    m_trees.push_back(Parsed("<Bitmap/>"));
    EXPECT_TRUE(CCtrl_Bitmap(&m_console, m_trees.back().get(), QString()).IsLocked());
    m_trees.push_back(Parsed("<Bitmap Lock=\"0\"/>"));
    EXPECT_FALSE(CCtrl_Bitmap(&m_console, m_trees.back().get(), QString()).IsLocked());

    // Malformed numbers read as 0, malformed colours keep the default.
    const auto odd = Read("<Trichro x=\"abc\" y=\"12px\" color=\"#GG0000\" colorTxt=\"#0A0B0C\" sFontTxt=\"\"/>");
    EXPECT_EQ(odd->Rect().topLeft(), QPoint(0, 12));
    EXPECT_EQ(odd->Color(), MakeColorRef(128, 128, 128));
    EXPECT_EQ(odd->TextColor(), MakeColorRef(10, 11, 12));
    EXPECT_EQ(odd->FontSize(), 0);
}

TEST_F(ConsoleModelTest, ImageSizeComesFromTheFileThenTheDesignThenTheKind)
{
    const std::pair<const char *, QSize> cases[] = {
        {"<Button ImageCx=\"0\" ImageCy=\"0\"/>", {80, 40}},
        {"<Button control_file_draw=\"push.ccd\"/>", {64, 24}},
        {"<Button control_file_draw=\"push.ccd\" ImageCx=\"0\" ImageCy=\"33\"/>", {0, 33}},
        {"<Button control_file_draw=\"push.ccd\" ImageCx=\"70\" ImageCy=\"30\"/>", {70, 30}},
        // A design without the kind's part gives no size: the kind's default stands.
        {"<Wheel control_file_draw=\"push.ccd\"/>", {80, 80}},
        {"<PanTilt control_file_draw=\"push.ccd\"/>", {242, 242}},
        {"<LinearSliderVert/>", {30, 100}},
    };
    for (const auto &[text, size] : cases)
        EXPECT_EQ(Read(text)->StoredImageSize(), size) << text;

    // Choosing a design in the editor takes its size; labels and pictures are their rectangle.
    auto *button = Add<CCtrl_Button>(nullptr);
    button->SetDesign(Design("push.ccd"));
    EXPECT_EQ(button->GetImageSize(), QSize(64, 24));
    button->SetDesign(nullptr);
    EXPECT_TRUE(button->DesignName().isEmpty());
    EXPECT_EQ(Read("<Label cx=\"120\" cy=\"30\" ImageCx=\"5\" ImageCy=\"5\"/>")->GetImageSize(), QSize(120, 30));
}

TEST_F(ConsoleModelTest, DesignsAreFoundWithoutRegardToCaseAndUnknownNamesKept)
{
    // The library's spelling replaces the file's.
    auto read = Read("<RotSlider control_file_draw=\"KNOB.CCD\"/>");
    EXPECT_EQ(read->Design(), Design("knob.ccd"));
    EXPECT_EQ(read->DesignName(), QStringLiteral("knob.ccd"));
    // An unknown name stays as read, in the default look, and is written back.
    read = Read("<RotSlider control_file_draw=\"Gone.ccd\"/>");
    EXPECT_EQ(read->Design(), nullptr);
    EXPECT_NE(Written(*read).find("control_file_draw=\"Gone.ccd\""), std::string::npos);
    EXPECT_EQ(read->StoredImageSize(), QSize(60, 60));
}

TEST_F(ConsoleModelTest, TextPositionsPlaceTheTextAndMakeRoomForBands)
{
    auto *button = Add<CCtrl_Button>(nullptr);
    button->SetRect({100, 200, 100, 60});
    button->SetImageOffset({10, 10});
    button->SetImageSize({80, 40});
    // Each step from the one before: the rectangle, the image offset, the text rectangle.
    const std::pair<int, CCtrlGeometry> steps[] = {
        {kTextBottom, {{100, 200, 100, 60}, {10, 10}, {10, 29, 80, 21}}},
        // Above: the band is added to the rectangle and the image moves below it.
        {kTextAbove, {{100, 200, 100, 81}, {10, 31}, {0, 0, 100, 21}}},
        // Below: no second band; the image moves out of the band.
        {kTextBelow, {{100, 200, 100, 81}, {10, 10}, {0, 60, 100, 21}}},
        // Back onto the image: the band is given back.
        {kTextCentre, {{100, 200, 100, 60}, {10, 10}, {10, 10, 80, 40}}},
    };
    for (const auto &[mode, geometry] : steps) {
        button->SetTextAlign(mode);
        EXPECT_TRUE(button->Geometry() == geometry) << mode;
    }
    button->SetTextRect({1, 2, 3, 4});
    button->SetTextAlign(kTextFree);
    EXPECT_EQ(button->TextRect(), QRect(1, 2, 3, 4));

    // The alignments place the image, then the text follows it; a free one leaves it.
    button->SetTextAlign(kTextCentre);
    button->SetTAlignX(kAlignEnd);
    button->SetTAlignY(kAlignStart);
    EXPECT_TRUE(button->Geometry() == (CCtrlGeometry{{100, 200, 100, 60}, {20, 0}, {20, 0, 80, 40}}));
    button->SetTAlignY(kAlignEnd);
    button->SetImageOffset({3, 4});
    button->SetTAlignX(kAlignFree);
    EXPECT_EQ(button->ImageOffset(), QPoint(3, 20));
}

TEST_F(ConsoleModelTest, FadersMapValuesOntoTheirTravel)
{
    auto *horz = Add<CCtrl_FaderHorz>(nullptr);
    EXPECT_EQ(horz->ValueToPosition(64), 50); // 100 / 127 * 64 = 50.39
    EXPECT_EQ(horz->ValueToPosition(-5), 0);
    EXPECT_EQ(horz->ValueToPosition(300), 100);
    EXPECT_EQ(horz->PositionToValue(50), 63); // 127 / 100 * 50 = 63.5
    EXPECT_EQ(horz->SetValue(64), 63);        // stored as the pixel it lands on
    EXPECT_EQ(horz->GetValue(), 63);

    // With a design: 100 wide drawn from a 200-pixel background, so the 20-pixel cursor and
    // the 5-pixel offsets on both sides count half: 100 - 10 - 5.
    horz->SetDesign(Design("fader.ccd"));
    horz->SetImageSize({100, 15});
    EXPECT_EQ(horz->Travel(), 85);
    EXPECT_EQ(horz->ValueToPosition(127), 85);
    EXPECT_EQ(horz->PositionToValue(85), 127);

    // A vertical fader without a design travels its image height; an empty one stays at 0.
    auto *vert = Add<CCtrl_FaderVert>(nullptr);
    vert->SetImageSize({30, 254});
    EXPECT_EQ(vert->ValueToPosition(1), 2);
    vert->SetImageSize({30, 0});
    EXPECT_EQ(vert->PositionToValue(10), 0);

    auto *rotary = Add<CCtrl_FaderRotary>(nullptr);
    EXPECT_EQ(rotary->ValueToPosition(127), 300);
    EXPECT_EQ(rotary->ValueToPosition(64), 88); // 240 - 64 * 300 / 127 = 88.8
    EXPECT_EQ(rotary->PositionToValue(88), 64);
    // Past 0 degrees the turn goes on round the circle (270 from 240); in the gap the nearer end holds.
    EXPECT_EQ(QList<int>({rotary->PositionToValue(-30), rotary->PositionToValue(290), rotary->PositionToValue(250)}),
              QList<int>({114, 127, 0}));
    rotary->SetDesign(Design("knob.ccd"));
    EXPECT_EQ(rotary->ValueToPosition(1), 222); // 225 - 270 / 127
    EXPECT_EQ(rotary->ValueToPosition(127), 315);
}

TEST_F(ConsoleModelTest, ButtonsWheelsGroupsAndPadsKeepTheirValues)
{
    auto *button = Add<CCtrl_Button>(nullptr);
    EXPECT_EQ(button->ValueToPosition(1), 1);
    EXPECT_EQ(button->PositionToValue(-4), 127);
    button->SetValue(90);
    EXPECT_EQ(button->GetValue(), 1);

    auto *wheel = Add<CCtrl_Wheel>(nullptr);
    EXPECT_EQ(wheel->SetValue(37), 2); // two whole turns of 18 images, then image 1
    EXPECT_EQ(wheel->GetValue(), 1);
    EXPECT_EQ(wheel->SetValue(-37), 0); // -37 + 3 * 18 = 17
    EXPECT_EQ(wheel->GetValue(), 17);
    wheel->SetDesign(Design("wheel8.ccd"));
    EXPECT_EQ(wheel->SetValue(19), 2);
    EXPECT_EQ(wheel->GetValue(), 3);

    auto *pages = Add<CCtrl_GroupButtons>();
    EXPECT_EQ(pages->SetValue(2), 0); // no design: nothing to select
    pages->SetDesign(Design("pages.ccd"));
    EXPECT_EQ(pages->SetValue(3), 3);
    EXPECT_EQ(pages->GetCurrentGroupIndex(), 3);
    EXPECT_EQ(pages->SetValue(4), 0); // outside the buttons: the first

    auto *steps = Add<CCtrl_GroupIncDec>();
    EXPECT_EQ(steps->SetValue(2), 0);
    steps->SetDesign(Design("steps.ccd"));
    EXPECT_EQ(steps->SetValue(-1), 2);
    EXPECT_EQ(steps->SetValue(7), 1);
    EXPECT_EQ(steps->GetCurrentGroupIndex(), 1);

    // Contained controls keep one value per page and use the page their group shows.
    auto *pad = Add<CCtrl_PanTilt>(steps);
    auto *fader = Add<CCtrl_FaderHorz>(steps);
    pad->SetValue(10);
    pad->SetSecondValue(20);
    fader->SetValue(127);
    steps->SetValue(2);
    EXPECT_EQ(pad->GetSecondValue(), 0);
    EXPECT_EQ(fader->GetValue(), 0);
    pad->SetSecondValue(5);
    steps->SetValue(1);
    EXPECT_EQ(pad->GetValue(), 10);
    EXPECT_EQ(pad->GetSecondValue(), 20);
    EXPECT_EQ(fader->ValueAt(2), 0);

}

TEST_F(ConsoleModelTest, HitTestsTheZoomedImageAreaOnTheShownPage)
{
    auto *button = Add<CCtrl_Button>(nullptr);
    button->SetRect({100, 50, 80, 40});
    button->SetImageOffset({10, 5});
    button->SetImageSize({20, 10});
    QRect tested;
    EXPECT_EQ(button->HitTest({110, 55}, 1.0f, false, &tested), button);
    EXPECT_EQ(tested, QRect(110, 55, 20, 10));
    EXPECT_EQ(button->HitTest({130, 60}, 1.0f, false), nullptr); // right edge excluded
    EXPECT_EQ(button->HitTest({105, 55}, 1.0f, false), nullptr); // in the rectangle, not the image

    // Every edge is zoomed and truncated on its own: 110 * 1.5 = 165, 130 * 1.5 = 195.
    button->HitTest({0, 0}, 1.5f, false, &tested);
    EXPECT_EQ(tested, QRect(165, 82, 30, 15));
    button->SetImageOffset({11, 5});
    button->HitTest({0, 0}, 1.5f, false, &tested);
    EXPECT_EQ(tested, QRect(166, 82, 30, 15)); // 166.5 and 196.5

    // Labels and pictures answer on their whole rectangle.
    auto *label = Add<CCtrl_Label>(nullptr);
    label->SetRect({0, 0, 50, 20});
    EXPECT_EQ(label->HitTest({45, 15}, 1.0f, false), label);

    // A contained control answers on page 0, or on the page shown when asked so.
    auto *pages = Add<CCtrl_GroupButtons>();
    pages->SetDesign(Design("pages.ccd"));
    auto *first = Add<CCtrl_FaderHorz>(pages);
    auto *second = Add<CCtrl_FaderHorz>(pages);
    second->SetIndexInParent(2);
    for (CCtrl__Base *fader : {static_cast<CCtrl__Base *>(first), static_cast<CCtrl__Base *>(second)})
        fader->SetRect({0, 0, 100, 30});
    EXPECT_EQ(first->HitTest({5, 5}, 1.0f, false), first);
    EXPECT_EQ(second->HitTest({5, 5}, 1.0f, false), nullptr);
    pages->SetValue(2);
    EXPECT_EQ(first->HitTest({5, 5}, 1.0f, true), nullptr);
    EXPECT_EQ(second->HitTest({5, 5}, 1.0f, true), second);
}

TEST_F(ConsoleModelTest, CopiesTakeTheLookButNotBindingsLockOrIdentityAndFindTheirDesignByName)
{
    auto *source = Add<CCtrl_Button>(nullptr);
    source->SetRect({1, 2, 3, 4});
    source->SetDesign(Design("push.ccd"));
    source->SetTextAlign(kTextAbove);
    source->SetColor(MakeColorRef(9, 9, 9));
    source->SetLabel(0, QStringLiteral("go"));
    source->SetLocked(true);
    source->Bindings()[0].midi.command = 5;
    source->Bindings()[0].pushButton = true;

    // A copy for the clipboard belongs to no console: it keeps the design's name only.
    const std::unique_ptr<CCtrl__Base> clip = CloneControl(*source, nullptr);
    EXPECT_EQ(clip->Design(), nullptr);
    EXPECT_EQ(clip->DesignName(), QStringLiteral("push.ccd"));
    EXPECT_EQ(clip->StoredImageSize(), source->StoredImageSize());

    // Pasted into a console, the name is found there: its own designs first, then the library.
    CConsoleData other(&m_library);
    CDataCCD &own = AddDesign(other.Designs(), "PUSH.ccd", {{kButtonOff, {10, 10}}});
    const std::unique_ptr<CCtrl__Base> pasted = CloneControl(*clip, &other);
    EXPECT_EQ(pasted->Design(), &own);
    EXPECT_EQ(pasted->StoredImageSize(), source->StoredImageSize()); // the copied size wins
    const std::unique_ptr<CCtrl__Base> here = CloneControl(*clip, &m_console);
    EXPECT_EQ(here->Design(), Design("push.ccd"));
    EXPECT_EQ(here->TextRect(), source->TextRect());
    EXPECT_EQ(here->Color(), MakeColorRef(9, 9, 9));
    EXPECT_EQ(here->Label(0), QStringLiteral("go"));
    EXPECT_TRUE(here->Bindings()[0].pushButton);
    EXPECT_FALSE(here->IsLocked());
    EXPECT_NE(here->Id(), source->Id());
    EXPECT_EQ(here->Bindings()[0].midi.command, -1);

    // A name no console knows stays, drawn in the default look, as a read control keeps it.
    source->SetDesignName(QStringLiteral("gone.ccd"));
    const std::unique_ptr<CCtrl__Base> orphan = CloneControl(*CloneControl(*source, nullptr), &m_console);
    EXPECT_EQ(orphan->Design(), nullptr);
    EXPECT_EQ(orphan->DesignName(), QStringLiteral("gone.ccd"));
}

TEST_F(ConsoleModelTest, GroupsGiveTheirControlsOneBindingSetPerPage)
{
    auto *pages = Add<CCtrl_GroupButtons>();
    EXPECT_EQ(pages->Bindings().Count(), 1);
    pages->SetDesign(Design("pages.ccd"));
    EXPECT_EQ(pages->Bindings().Count(), 4);
    ASSERT_EQ(pages->Buttons().size(), 4u);
    EXPECT_EQ(pages->Buttons()[1]->Geometry(), (CCtrlGeometry{{50, 0, 50, 50}, {5, 5}, {0, 40, 50, 10}}));

    auto *fader = Add<CCtrl_FaderVert>(nullptr);
    EXPECT_EQ(fader->Bindings().Count(), 1);
    fader->SetParentGroup(pages);
    EXPECT_EQ(fader->Bindings().Count(), 4);
    // Leaving the group, or joining a smaller one, keeps the sets it has.
    auto *steps = Add<CCtrl_GroupIncDec>();
    steps->SetDesign(Design("steps.ccd"));
    EXPECT_EQ(steps->Bindings().Count(), 3);
    fader->SetParentGroup(steps);
    EXPECT_EQ(fader->Bindings().Count(), 4);
    // Outside a group, only "Group0" is read.
    const auto outside = Read("<LinearSliderHori><Group0 label=\"a\"/><Group2 label=\"c\"/></LinearSliderHori>");
    EXPECT_EQ(outside->Bindings().Count(), 1);
}
