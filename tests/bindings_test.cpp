// The binding records and a control's binding sets in the console file.
#include "model/bindings.h"

#include <functional>
#include <string>

#include "test_support.h"

// Labels are assigned std::string values ("..."s), not character pointers: GCC 12 at -O3
// reports a false overlap (-Wrestrict) in the inlined assignment from a pointer.
using namespace std::string_literals;
using dataConsole::BindingStyle;
using dataConsole::CBindingSets;
using korvane::CXmlNode;
using korvane::test::Lines;
using korvane::test::Parsed;

namespace {

std::string Saved(const CBindingSets &sets, BindingStyle style)
{
    CXmlNode control("Control");
    sets.Save(control, style);
    std::string text;
    EXPECT_TRUE(korvane::SaveXmlString(text, control));
    return text;
}

CBindingSets WithCount(int count)
{
    CBindingSets sets;
    sets.Grow(count);
    return sets;
}

} // namespace

TEST(BindingsTest, SaveWritesOnlyWhatIsSet)
{
    struct Case
    {
        const char *what;
        BindingStyle style;
        int count;
        std::function<void(CBindingSets &)> fill;
        std::string expected;
    };
    const Case cases[] = {
        {"all defaults", BindingStyle::kButton, 3, [](CBindingSets &) {}, Lines({"<Control />"})},
        {"attribute order", BindingStyle::kPlain, 1,
         [](CBindingSets &s) {
             s[0].label = "Fader 1"s;
             s[0].midi = {7, 2, 11, false, true, 100, 3, 0, 4, 99};
             s[0].dmx = {12, 1};
         },
         Lines({"<Control>",
                "  <Group0 label=\"Fader 1\">",
                "    <MIDI command=\"7\" channel=\"2\" status=\"11\" FeedBack=\"0\" FeedBackRecieved=\"1\" "
                "OnValue=\"100\" OffValue=\"0\" OnCh=\"3\" OffCh=\"4\" />",
                "    <DMX channel=\"12\" univers=\"1\" />",
                "  </Group0>",
                "</Control>"})},
        {"feedback off alone is not empty", BindingStyle::kPlain, 1,
         [](CBindingSets &s) { s[0].midi.feedBack = false; },
         Lines({"<Control>",
                "  <Group0>",
                "    <MIDI command=\"-1\" channel=\"-1\" status=\"-1\" FeedBack=\"0\" FeedBackRecieved=\"0\" "
                "OnValue=\"-1\" OffValue=\"-1\" OnCh=\"-1\" OffCh=\"-1\" />",
                "  </Group0>",
                "</Control>"})},
        {"any negative send value counts as unused; status -2 does not", BindingStyle::kPlain, 3,
         [](CBindingSets &s) {
             s[0].midi.onValue = -3;
             s[0].midi.offChannel = -7;
             s[1].midi.status = dataConsole::kStatusNoteOnOff;
             s[2].dmx.channel = 5;
         },
         Lines({"<Control>",
                "  <Group1>",
                "    <MIDI command=\"-1\" channel=\"-1\" status=\"-2\" FeedBack=\"1\" FeedBackRecieved=\"0\" "
                "OnValue=\"-1\" OffValue=\"-1\" OnCh=\"-1\" OffCh=\"-1\" />",
                "  </Group1>",
                "  <Group2>",
                "    <DMX channel=\"5\" univers=\"-1\" />",
                "  </Group2>",
                "</Control>"})},
        {"button flags after every set", BindingStyle::kButton, 4,
         [](CBindingSets &s) {
             s[0].label = "A"s;
             s[0].ignoreZero = true;
             s[1].ignoreZero = true; // nothing else to write: lost
             s[2].pushButton = true;
             s[3].dmx.univers = 0;
         },
         Lines({"<Control>",
                "  <Group0 label=\"A\" poussoir=\"0\" IgnorZeroValue=\"1\" />",
                "  <Group3 poussoir=\"0\" IgnorZeroValue=\"0\">",
                "    <DMX channel=\"-1\" univers=\"0\" />",
                "  </Group3>",
                "  <Group2 poussoir=\"1\" IgnorZeroValue=\"0\" />",
                "</Control>"})},
        {"flags belong to buttons only", BindingStyle::kWheel, 1,
         [](CBindingSets &s) { s[0].pushButton = true; }, Lines({"<Control />"})},
        {"wheels write decrement records", BindingStyle::kWheel, 1,
         [](CBindingSets &s) {
             s[0].dmxDecrement.channel = 2;
             s[0].dmx.channel = 1;
             s[0].midiDecrement.command = 21;
             s[0].midi.command = 20;
         },
         Lines({"<Control>",
                "  <Group0>",
                "    <MIDI command=\"20\" channel=\"-1\" status=\"-1\" FeedBack=\"1\" FeedBackRecieved=\"0\" "
                "OnValue=\"-1\" OffValue=\"-1\" OnCh=\"-1\" OffCh=\"-1\" />",
                "    <MIDIdecrement command=\"21\" channel=\"-1\" status=\"-1\" FeedBack=\"1\" "
                "FeedBackRecieved=\"0\" OnValue=\"-1\" OffValue=\"-1\" OnCh=\"-1\" OffCh=\"-1\" />",
                "    <DMX channel=\"1\" univers=\"-1\" />",
                "    <DMXdecrement channel=\"2\" univers=\"-1\" />",
                "  </Group0>",
                "</Control>"})},
        {"other controls leave decrement records out", BindingStyle::kButton, 2,
         [](CBindingSets &s) {
             s[0].midiDecrement.command = 21;
             s[1].dmxDecrement.channel = 2;
             s[1].label = "B"s;
         },
         Lines({"<Control>", "  <Group1 label=\"B\" poussoir=\"0\" IgnorZeroValue=\"0\" />", "</Control>"})},
    };
    for (const Case &c : cases) {
        CBindingSets sets = WithCount(c.count);
        c.fill(sets);
        EXPECT_EQ(Saved(sets, c.style), c.expected) << c.what;
    }
}

TEST(BindingsTest, LoadReadsGroupElements)
{
    struct Case
    {
        const char *what;
        std::string xml;
        int count;
        int readCount;
        BindingStyle style;
        std::function<void(CBindingSets &)> expectedChanges;
    };
    const Case cases[] = {
        {"missing attributes take defaults",
         "<C><Group0><MIDI command='5' FeedBack='2' FeedBackRecieved='1'/><DMX channel='3'/></Group0></C>", 1, 1,
         BindingStyle::kPlain,
         [](CBindingSets &s) {
             s[0].midi.command = 5;
             s[0].midi.feedBack = false; // only 1 means true
             s[0].midi.feedBackReceived = true;
             s[0].dmx.channel = 3;
         }},
        {"group name is exact, record names are not",
         "<C><Group0><midi command='2'/><dmx channel='4'/></Group0><group0 label='x'><MIDI command='1'/></group0></C>",
         1, 1, BindingStyle::kPlain,
         [](CBindingSets &s) {
             s[0].midi.command = 2;
             s[0].dmx.channel = 4;
         }},
        {"a repeated element overrides",
         "<C><Group0 label='a'><MIDI command='1'/></Group0><Group0 label='b'><DMX channel='9'/></Group0></C>", 1, 1,
         BindingStyle::kPlain,
         [](CBindingSets &s) {
             s[0].label = "b"s;
             s[0].midi.command = 1; // a missing child leaves the record as it was
             s[0].dmx.channel = 9;
         }},
        {"only the indexes asked for",
         "<C><Group0 label='a'/><Group1 label='b'/><Group2 label='c'/></C>", 3, 1, BindingStyle::kPlain,
         [](CBindingSets &s) { s[0].label = "a"s; }},
        {"only the indexes the control has", "<C><Group1 label='b'/><Group2 label='c'/></C>", 2, 5,
         BindingStyle::kPlain, [](CBindingSets &s) { s[1].label = "b"s; }},
        {"group controls do not read labels", "<C><Group0 label='a'><DMX channel='1'/></Group0></C>", 1, 1,
         BindingStyle::kGroup, [](CBindingSets &s) { s[0].dmx.channel = 1; }},
        {"button flags", "<C><Group0 poussoir='1' IgnorZeroValue='1'/><Group1 poussoir='2'/></C>", 2, 2,
         BindingStyle::kButton,
         [](CBindingSets &s) {
             s[0].pushButton = true;
             s[0].ignoreZero = true;
         }},
        {"flags are read by buttons only", "<C><Group0 poussoir='1' IgnorZeroValue='1'/></C>", 1, 1,
         BindingStyle::kWheel, [](CBindingSets &) {}},
    };
    for (const Case &c : cases) {
        const auto root = Parsed(c.xml);
        ASSERT_TRUE(root);
        CBindingSets sets = WithCount(c.count);
        sets.Load(*root, c.readCount, c.style);
        CBindingSets expected = WithCount(c.count);
        c.expectedChanges(expected);
        EXPECT_TRUE(sets == expected) << c.what << "\n" << Saved(sets, BindingStyle::kWheel);
    }
}

TEST(BindingsTest, StatusByteIsReducedToItsType)
{
    const std::pair<const char *, int> cases[] = {
        {"144", 9}, {"128", 128}, {"129", 8}, {"255", 15}, {"11", 11}, {"-2", -2}, {"x", 0},
    };
    for (const auto &[text, status] : cases) {
        const auto root = Parsed(std::string("<C><MIDI status='") + text + "'/></C>");
        ASSERT_TRUE(root);
        dataConsole::CMidiData midi;
        ASSERT_TRUE(midi.Load(*root, "MIDI"));
        EXPECT_EQ(midi.status, status) << text;
    }
}

TEST(BindingsTest, SaveThenLoadGivesTheSameSets)
{
    for (BindingStyle style : {BindingStyle::kPlain, BindingStyle::kButton, BindingStyle::kWheel, BindingStyle::kGroup}) {
        CBindingSets sets = WithCount(4);
        if (style != BindingStyle::kGroup)
            sets[0].label = "Gobo <&> \"1\""s;
        sets[0].midi = {60, 1, 9, true, true, 127, 2, 3, 15, 0};
        sets[1].dmx = {511, 4};
        sets[3].midi.status = dataConsole::kStatusNoteOnOff;
        if (style == BindingStyle::kWheel) {
            sets[1].midiDecrement = {61, 0, 9, false, false, -1, -1, -1, -1, 0};
            sets[3].dmxDecrement = {510, 4};
        }
        if (style == BindingStyle::kButton) {
            sets[0].ignoreZero = true;
            sets[2].pushButton = true;
        }
        const auto root = Parsed(Saved(sets, style));
        ASSERT_TRUE(root);
        CBindingSets loaded = WithCount(4);
        loaded.Load(*root, 4, style);
        EXPECT_TRUE(loaded == sets) << Saved(loaded, style);
    }
}
