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
using korvane::test::Lines;
using korvane::test::Parsed;

namespace {

std::string Saved(const CBindingSets &sets, BindingStyle style)
{
    korvane::CXmlNode control("Control");
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
        std::function<void(CBindingSets &)> fill;
        std::string expected;
    };
    const Case cases[] = {
        {"attribute order; what counts as unused", BindingStyle::kPlain,
         [](CBindingSets &s) {
             s[0].label = "Fader 1"s;
             s[0].midi = {7, 2, 11, false, true, 100, 3, 0, 4, 99};
             s[0].dmx = {12, 1};
             s[1].midi.onValue = -3; // any negative send value is unused
             s[1].midi.offChannel = -7;
             s[1].midiDecrement.command = 21; // wheels only
             s[1].pushButton = true;          // buttons only
         },
         Lines({"<Control>",
                "  <Group0 label=\"Fader 1\">",
                "    <MIDI command=\"7\" channel=\"2\" status=\"11\" FeedBack=\"0\" FeedBackRecieved=\"1\" "
                "OnValue=\"100\" OffValue=\"0\" OnCh=\"3\" OffCh=\"4\" />",
                "    <DMX channel=\"12\" univers=\"1\" />",
                "  </Group0>",
                "</Control>"})},
        {"button flags after every set", BindingStyle::kButton,
         [](CBindingSets &s) {
             s[0].label = "A"s;
             s[0].ignoreZero = true;
             s[1].ignoreZero = true; // nothing else to write: lost
             s[1].dmxDecrement.channel = 2;
             s[2].pushButton = true;
             s[3].label = "D"s;
         },
         Lines({"<Control>",
                "  <Group0 label=\"A\" poussoir=\"0\" IgnorZeroValue=\"1\" />",
                "  <Group3 label=\"D\" poussoir=\"0\" IgnorZeroValue=\"0\" />",
                "  <Group2 poussoir=\"1\" IgnorZeroValue=\"0\" />",
                "</Control>"})},
        {"wheels write a record's decrement after it, and no flags", BindingStyle::kWheel,
         [](CBindingSets &s) {
             s[0].dmxDecrement.channel = 2;
             s[0].dmx.channel = 1;
             s[1].pushButton = true;
         },
         Lines({"<Control>", "  <Group0>", "    <DMX channel=\"1\" univers=\"-1\" />",
                "    <DMXdecrement channel=\"2\" univers=\"-1\" />", "  </Group0>", "</Control>"})},
    };
    for (const Case &c : cases) {
        CBindingSets sets = WithCount(4);
        c.fill(sets);
        EXPECT_EQ(Saved(sets, c.style), c.expected) << c.what;
    }
}

TEST(BindingsTest, LoadReadsGroupElementsAndWholeStatusBytes)
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
        {"defaults, spelling and repeats",
         "<C><Group0><MIDI command='5' FeedBack='2' FeedBackRecieved='1'/><DMX channel='3'/></Group0>"
         "<Group1><midi command='2'/><dmx channel='4'/></Group1><group1 label='x'><MIDI command='1'/></group1>"
         "<Group2 label='a'><MIDI command='1'/></Group2><Group2 label='b'><DMX channel='9'/></Group2></C>",
         3, 3, BindingStyle::kPlain,
         [](CBindingSets &s) {
             s[0].midi.command = 5; // missing attributes take defaults
             s[0].midi.feedBack = false; // only 1 means true
             s[0].midi.feedBackReceived = true;
             s[0].dmx.channel = 3;
             s[1].midi.command = 2; // record names in any case, group names exact
             s[1].dmx.channel = 4;
             s[2].label = "b"s; // a repeated element overrides
             s[2].midi.command = 1; // a missing child leaves the record as it was
             s[2].dmx.channel = 9;
         }},
        {"only the indexes asked for", "<C><Group0 label='a'/><Group1 label='b'/><Group2 label='c'/></C>", 3, 1,
         BindingStyle::kPlain, [](CBindingSets &s) { s[0].label = "a"s; }},
        {"group controls read neither labels nor flags",
         "<C><Group0 label='a' poussoir='1' IgnorZeroValue='1'><DMX channel='1'/></Group0></C>", 1, 1,
         BindingStyle::kGroup, [](CBindingSets &s) { s[0].dmx.channel = 1; }},
        {"button flags", "<C><Group0 poussoir='1' IgnorZeroValue='1'/><Group1 poussoir='2'/></C>", 2, 2,
         BindingStyle::kButton, [](CBindingSets &s) { s[0].pushButton = s[0].ignoreZero = true; }},
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

    // A status above 128 is a whole status byte, reduced to its message type.
    const std::pair<const char *, int> statuses[] = {
        {"144", 9}, {"128", 128}, {"129", 8}, {"255", 15}, {"11", 11}, {"-2", -2}, {"x", 0},
    };
    for (const auto &[text, status] : statuses) {
        dataConsole::CMidiData midi;
        ASSERT_TRUE(midi.Load(*Parsed(std::string("<C><MIDI status='") + text + "'/></C>"), "MIDI"));
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
        sets[1].dmx.univers = 4; // with no channel, still an address to keep
        sets[2].midi.feedBack = false; // alone, as the status -2 below, it keeps the record
        sets[3].midi.status = dataConsole::kStatusNoteOnOff;
        if (style == BindingStyle::kWheel)
            sets[3].dmxDecrement = {510, 4};
        const auto root = Parsed(Saved(sets, style));
        ASSERT_TRUE(root);
        CBindingSets loaded = WithCount(4);
        loaded.Load(*root, 9, style); // more than it has: it reads its own only
        EXPECT_TRUE(loaded == sets) << Saved(loaded, style);
    }
}
