// The MIDI name tables shown in the property panel's status and command lists.
#include "midi/midi_name.h"

#include <map>
#include <utility>

#include "test_support.h"

using midi::CMidiName;

namespace {

// Controllers without a name of their own, as inclusive ranges; they read "Controller N".
constexpr std::pair<int, int> kUnnamedControllers[] = {
    {3, 3}, {9, 9}, {14, 15}, {20, 31}, {35, 35}, {41, 41}, {44, 47}, {52, 63}, {75, 79}, {85, 90}, {102, 119},
};

const std::map<int, QString> kNamedControllers = {
    {0, "Bank Select"}, {1, "Modulation"}, {2, "Breath Control"}, {4, "Foot Control"}, {5, "Porta Time"},
    {6, "Data Entry"}, {7, "Channel Volume"}, {8, "Balance"}, {10, "Pan"}, {11, "Expression"},
    {12, "Effects controller 1"}, {13, "Effects Controller 2"}, {16, "Gen Purpose 1"}, {17, "Gen Purpose 2"},
    {18, "Gen Purpose 3"}, {19, "Gen Purpose 4"}, {32, "Bank Select LSB"}, {33, "Modulation LSB"},
    {34, "Breath Control LSB"}, {36, "Foot Control LSB"}, {37, "Porta Time LSB"}, {38, "Data Entry LSB"},
    {39, "Channel Volume LSB"}, {40, "Balance LSB"}, {42, "Pan LSB"}, {43, "Expression LSB"},
    {48, "Gen Purpose 1 LSB"}, {49, "Gen Purpose 2 LSB"}, {50, "Gen Purpose 3 LSB"}, {51, "Gen Purpose 4 LSB"},
    {64, "Sustain Pedal"}, {65, "Portamento"}, {66, "Sostenuto"}, {67, "Soft Pedal"}, {68, "Legato Pedal"},
    {69, "Hold 2"}, {70, "Sound Variation"}, {71, "Resonance"}, {72, "Release Time"}, {73, "Attack Time"},
    {74, "Cut-off Frequency"}, {80, "Gen Purpose 5"}, {81, "Gen Purpose 6"}, {82, "Gen Purpose 7"},
    {83, "Gen Purpose 8"}, {84, "Portamento Control"}, {91, "Reverb Depth"}, {92, "Tremolo Depth"},
    {93, "Chorus Depth"}, {94, "Celeste (De-tune)"}, {95, "Phaser Depth"}, {96, "Data Increment"},
    {97, "Data Decrement"}, {98, "Non-Reg Param LSB"}, {99, "Non-Reg Param MSB"}, {100, "Reg Param LSB"},
    {101, "Reg Param MSB"}, {120, "Channel Mode Messages (All Sound off)"},
    {121, "Channel Mode Messages (Rest all Controllers)"}, {122, "Channel Mode Messages (Local Control)"},
    {123, "Channel Mode Messages (All Notes Off)"}, {124, "Channel Mode Messages (Omni Off)"},
    {125, "Channel Mode Messages (Omni On)"}, {126, "Channel Mode Messages (Mono On - Poly Off)"},
    {127, "Channel Mode Messages (Poly On - Mono Off)"}, {128, "Pitch Bend Range"}, {129, "Channel Fine Tune"},
    {130, "Channel Coarse Tune"}, {131, "Channel Pressure"}, {132, "RPN Coarse"}, {133, "RPN Fine"},
    {134, "NRPN Coarse"}, {135, "NRPN Fine"}, {136, "Master Volume GM"}, {137, "Master Pan GM"},
    {138, "Master Coarse Tune"}, {139, "Master Fine Tune"}, {140, "Chorus Mod rate"}, {141, "Chorus Mod Depth"},
    {142, "Feedback GM2"}, {143, "Send to Reverb GM2"}, {144, "Pitch Bend"}, {145, "Program/Bank Preset"},
    {146, "MIDI CC (on/off)"}, {147, "Note (on/off)"}, {148, "Note (on/off toggle)"}, {149, "MMC Command"},
    {150, "Reverb type GM2"}, {151, "Reverb time GM2"}, {152, "Chorus type GM2"},
};

// Notes counted from C, each with its octave: C4 is note 60.
QString ExpectedNoteName(int note)
{
    static const char *const kFromC[12][2] = {
        {"C", nullptr}, {"C#", "Db"}, {"D", nullptr}, {"D#", "Eb"}, {"E", nullptr}, {"F", nullptr},
        {"F#", "Gb"},   {"G", nullptr}, {"G#", "Ab"}, {"A", nullptr}, {"A#", "Bb"}, {"B", nullptr},
    };
    const QString octave = QString::number(note / 12 - 1);
    const auto &pitch = kFromC[note % 12];
    QString name = QLatin1String(pitch[0]) + octave;
    if (pitch[1])
        name += u'/' + QLatin1String(pitch[1]) + octave;
    return name;
}

} // namespace

TEST(MidiNameTest, ControllerTableNamesEveryEntry)
{
    std::map<int, QString> expected = kNamedControllers;
    for (const auto &[first, last] : kUnnamedControllers) {
        for (int i = first; i <= last; ++i)
            expected.emplace(i, QStringLiteral("Controller %1").arg(i));
    }
    ASSERT_EQ(expected.size(), 153u); // the description covers every index exactly once

    const CMidiName names(CMidiName::kControllers);
    for (const auto &[index, name] : expected)
        EXPECT_EQ(names.ControllerName(index), name) << "controller " << index;
    EXPECT_EQ(names.ControllerName(153), QString());
    EXPECT_EQ(names.ControllerName(-1), QString());
}

TEST(MidiNameTest, NoteNamesRunFromTheLowestPianoKey)
{
    const CMidiName names(CMidiName::kNotes);
    for (int note = 0; note <= 20; ++note)
        EXPECT_EQ(names.NoteName(note), QString()) << "note " << note;
    // Below C1 the table carries a letter O for the octave, except in the flat name.
    EXPECT_EQ(names.NoteName(21), QStringLiteral("AO"));
    EXPECT_EQ(names.NoteName(22), QStringLiteral("A#O/Bb0"));
    EXPECT_EQ(names.NoteName(23), QStringLiteral("BO"));
    for (int note = 24; note <= 108; ++note)
        EXPECT_EQ(names.NoteName(note), ExpectedNoteName(note)) << "note " << note;
    EXPECT_EQ(names.NoteName(70), QStringLiteral("A#4/Bb4"));
    for (int note : {109, 127, -1})
        EXPECT_EQ(names.NoteName(note), QString()) << "note " << note;
}

TEST(MidiNameTest, MessageNamesByStatusNibble)
{
    const CMidiName names(CMidiName::kMessages);
    const QString expected[15] = {
        {}, {}, {}, {}, {}, {}, {}, {},
        QStringLiteral("Note Off"),
        QStringLiteral("Note On"),
        QStringLiteral("Polyphonic Key Pressure (Aftertouch)"),
        QStringLiteral("Control Change"),
        QStringLiteral("Program Change"),
        QStringLiteral("Channel Pressure (Aftertouch)"),
        QStringLiteral("Pitch Wheel Change"),
    };
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(names.MessageName(i), expected[i]) << "message " << i;
    EXPECT_EQ(names.MessageName(15), QString());
    EXPECT_EQ(names.MessageName(-1), QString());
}

TEST(MidiNameTest, OnlyTheChosenTableIsFilled)
{
    for (int kind : {int(CMidiName::kControllers), int(CMidiName::kNotes), int(CMidiName::kMessages), 3, -1}) {
        const CMidiName names(kind);
        EXPECT_EQ(names.ControllerName(7).isEmpty(), kind != CMidiName::kControllers) << "kind " << kind;
        EXPECT_EQ(names.NoteName(60).isEmpty(), kind != CMidiName::kNotes) << "kind " << kind;
        EXPECT_EQ(names.MessageName(9).isEmpty(), kind != CMidiName::kMessages) << "kind " << kind;
    }
}
