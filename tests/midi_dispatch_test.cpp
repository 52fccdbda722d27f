// Incoming MIDI played onto controls through the binding index: which bindings a message
// matches, in which order, and what each kind does with it.
#include <memory>
#include <vector>

#include "design/data_ccd.h"
#include "model/console_data.h"
#include "model/ctrl_button.h"
#include "model/ctrl_factory.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_wheel.h"
#include "model/midi_dispatch.h"
#include "test_support.h"

using namespace dataConsole;

namespace {

constexpr int kNoteOff = 8, kNoteOn = 9, kCC = 11, kProgram = 12, kPitch = 14;
constexpr int kShown = -1; // check GetValue rather than one page's value

void Bind(CMidiData &b, int command, int channel, int status)
{
    b.command = std::int16_t(command), b.channel = std::int16_t(channel), b.status = std::int16_t(status);
}

// Every value a control keeps, and what it shows now.
std::vector<int> Values(const CConsoleData &console)
{
    std::vector<int> values;
    for (const auto &control : console.Controls()) {
        for (int g = 0; g < control->Bindings().Count(); ++g)
            values.push_back(control->ValueAt(g));
        values.push_back(control->GetValue());
    }
    return values;
}

class MidiDispatchTest : public testing::Test
{
protected:
    MidiDispatchTest() { m_pages.groupButtons.SetButtonCount(4), m_steps.groupIncDec.displayImageCount = 3; }

    template <typename Kind, typename... Parent>
    Kind *Bound(int command, int channel, int status, Parent... parent)
    {
        auto *control = static_cast<Kind *>(
            m_console.AddControl(std::make_unique<Kind>(&m_console, nullptr, parent...)));
        Bind(control->Bindings()[0].midi, command, channel, status);
        return control;
    }
    bool Play(int command, int channel, int type, int value)
    {
        return ApplyMidi(m_index, m_console.Controls(), command, channel, type, value);
    }

    CDataCCD m_pages, m_steps;
    CConsoleData m_console;
    CMidiIndex m_index;
};

TEST_F(MidiDispatchTest, EachKindPlaysItsMatches)
{
    auto *key = Bound<CCtrl_Button>(60, 0, kStatusNoteOnOff, nullptr);
    auto *pad = Bound<CCtrl_Button>(20, -1, kCC, nullptr);
    auto *anyType = Bound<CCtrl_FaderVert>(0, 3, kStatusAny, nullptr);
    auto *onChannel2 = Bound<CCtrl_FaderHorz>(7, 2, kCC, nullptr);
    auto *anyChannel = Bound<CCtrl_FaderRotary>(7, -1, kCC, nullptr);
    auto *wheel = Bound<CCtrl_Wheel>(10, 0, kCC, nullptr);
    Bind(wheel->Bindings()[0].midiDecrement, 11, 0, kCC);
    Bind(onChannel2->Bindings()[0].midiDecrement, 11, 0, kCC); // only wheels play this list
    auto *pages = Bound<CCtrl_GroupButtons>(-1, -1, kStatusAny);
    pages->SetDesign(&m_pages);
    Bind(pages->Bindings()[2].midi, 30, 0, kStatusNoteOnOff);
    auto *paged = Bound<CCtrl_FaderHorz>(-1, -1, kStatusAny, static_cast<CCtrl__Base *>(pages));
    Bind(paged->Bindings()[3].midi, 50, 0, kCC);

    const struct { int command, channel, type, value; CCtrl__Base *control; int page, expected; } steps[] = {
        {60, 0, kNoteOn, 0, key, 0, 127}, // a note binding follows the key, whatever the velocity
        {60, 0, kNoteOff, 64, key, 0, 0},  {20, 9, kCC, 1, pad, 0, 127},       {20, 9, kCC, 0, pad, 0, 0},
        {0, 3, kProgram, 5, anyType, 0, 5}, {0, 3, kPitch, 64, anyType, 0, 64},
        {7, 5, kCC, 33, anyChannel, 0, 33}, {7, 5, kCC, 33, onChannel2, 0, 0}, {7, 2, kCC, 99, onChannel2, 0, 99},
        {30, 0, kNoteOff, 0, pages, kShown, 2}, // a group shows the page of the binding
        {50, 0, kCC, 77, paged, 3, 77},         // page 3's value, though page 2 shows
        {11, 0, kCC, 1, wheel, kShown, CCtrl_Wheel::kDefaultImageCount - 1}, {10, 0, kCC, 1, wheel, kShown, 0},
        {11, 0, kCC, 1, onChannel2, 0, 99},
    };
    for (const auto &s : steps) {
        EXPECT_TRUE(Play(s.command, s.channel, s.type, s.value)) << s.command;
        EXPECT_EQ(s.page == kShown ? s.control->GetValue() : s.control->ValueAt(s.page), s.expected) << s.command;
    }
    EXPECT_EQ(paged->ValueAt(2), 0);

    // Another channel, a type the binding does not take, an unbound command: nothing moves.
    const std::vector<int> before = Values(m_console);
    EXPECT_FALSE(Play(60, 1, kNoteOn, 100));
    EXPECT_FALSE(Play(60, 0, kCC, 100));
    EXPECT_FALSE(Play(20, 9, kNoteOn, 100));
    EXPECT_FALSE(Play(99, 0, kCC, 100));
    EXPECT_EQ(Values(m_console), before);

    // Several matches play in list order, page by page: the last page bound wins the group.
    Bind(pages->Bindings()[1].midi, 31, -1, kCC);
    Bind(pages->Bindings()[3].midi, 31, 0, kCC);
    m_index.MarkDirty();
    EXPECT_TRUE(Play(31, 0, kCC, 1));
    EXPECT_EQ(pages->GetValue(), 3);

    // An edited binding counts once the index is marked.
    Bind(pad->Bindings()[0].midi, 99, 0, kCC);
    m_index.MarkDirty();
    EXPECT_TRUE(Play(99, 0, kCC, 100));
    EXPECT_EQ(pad->ValueAt(0), 127);
}

} // namespace
