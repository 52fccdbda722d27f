// The three MIDI name tables, spelled exactly as the lighting program shows them.
#include "midi/midi_name.h"

#include <array>
#include <utility>

namespace midi {

namespace {

constexpr std::pair<int, const char *> kNamedControllers[] = {
    {0, "Bank Select"},
    {1, "Modulation"},
    {2, "Breath Control"},
    {4, "Foot Control"},
    {5, "Porta Time"},
    {6, "Data Entry"},
    {7, "Channel Volume"},
    {8, "Balance"},
    {10, "Pan"},
    {11, "Expression"},
    {12, "Effects controller 1"},
    {13, "Effects Controller 2"},
    {16, "Gen Purpose 1"},
    {17, "Gen Purpose 2"},
    {18, "Gen Purpose 3"},
    {19, "Gen Purpose 4"},
    {32, "Bank Select LSB"},
    {33, "Modulation LSB"},
    {34, "Breath Control LSB"},
    {36, "Foot Control LSB"},
    {37, "Porta Time LSB"},
    {38, "Data Entry LSB"},
    {39, "Channel Volume LSB"},
    {40, "Balance LSB"},
    {42, "Pan LSB"},
    {43, "Expression LSB"},
    {48, "Gen Purpose 1 LSB"},
    {49, "Gen Purpose 2 LSB"},
    {50, "Gen Purpose 3 LSB"},
    {51, "Gen Purpose 4 LSB"},
    {64, "Sustain Pedal"},
    {65, "Portamento"},
    {66, "Sostenuto"},
    {67, "Soft Pedal"},
    {68, "Legato Pedal"},
    {69, "Hold 2"},
    {70, "Sound Variation"},
    {71, "Resonance"},
    {72, "Release Time"},
    {73, "Attack Time"},
    {74, "Cut-off Frequency"},
    {80, "Gen Purpose 5"},
    {81, "Gen Purpose 6"},
    {82, "Gen Purpose 7"},
    {83, "Gen Purpose 8"},
    {84, "Portamento Control"},
    {91, "Reverb Depth"},
    {92, "Tremolo Depth"},
    {93, "Chorus Depth"},
    {94, "Celeste (De-tune)"},
    {95, "Phaser Depth"},
    {96, "Data Increment"},
    {97, "Data Decrement"},
    {98, "Non-Reg Param LSB"},
    {99, "Non-Reg Param MSB"},
    {100, "Reg Param LSB"},
    {101, "Reg Param MSB"},
    {120, "Channel Mode Messages (All Sound off)"},
    {121, "Channel Mode Messages (Rest all Controllers)"},
    {122, "Channel Mode Messages (Local Control)"},
    {123, "Channel Mode Messages (All Notes Off)"},
    {124, "Channel Mode Messages (Omni Off)"},
    {125, "Channel Mode Messages (Omni On)"},
    {126, "Channel Mode Messages (Mono On - Poly Off)"},
    {127, "Channel Mode Messages (Poly On - Mono Off)"},
    {128, "Pitch Bend Range"},
    {129, "Channel Fine Tune"},
    {130, "Channel Coarse Tune"},
    {131, "Channel Pressure"},
    {132, "RPN Coarse"},
    {133, "RPN Fine"},
    {134, "NRPN Coarse"},
    {135, "NRPN Fine"},
    {136, "Master Volume GM"},
    {137, "Master Pan GM"},
    {138, "Master Coarse Tune"},
    {139, "Master Fine Tune"},
    {140, "Chorus Mod rate"},
    {141, "Chorus Mod Depth"},
    {142, "Feedback GM2"},
    {143, "Send to Reverb GM2"},
    {144, "Pitch Bend"},
    {145, "Program/Bank Preset"},
    {146, "MIDI CC (on/off)"},
    {147, "Note (on/off)"},
    {148, "Note (on/off toggle)"},
    {149, "MMC Command"},
    {150, "Reverb type GM2"},
    {151, "Reverb time GM2"},
    {152, "Chorus type GM2"},
};

// Every controller without a name of its own is "Controller N".
QStringList ControllerNames()
{
    QStringList names;
    names.reserve(CMidiName::kControllerCount);
    for (int i = 0; i < CMidiName::kControllerCount; ++i)
        names.append(QStringLiteral("Controller %1").arg(i));
    for (const auto &[index, name] : kNamedControllers)
        names[index] = QString::fromLatin1(name);
    return names;
}

QStringList NoteNames()
{
    constexpr int kFirstNamedNote = 21; // A0, the lowest key of a piano
    // Pitch classes from A; the octave number rises at each C.
    static constexpr std::array<const char *, 12> kPitchClasses = {
        "A", "A#/Bb", "B", "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab",
    };
    QStringList names;
    names.reserve(CMidiName::kNoteCount);
    for (int note = 0; note < kFirstNamedNote; ++note)
        names.append(QString());
    for (int note = kFirstNamedNote; note < CMidiName::kNoteCount; ++note) {
        const QString pitch = QString::fromLatin1(kPitchClasses[(note - kFirstNamedNote) % 12]);
        const QString octave = QString::number(note / 12 - 1);
        const int slash = pitch.indexOf(u'/');
        if (slash < 0)
            names.append(pitch + octave);
        else
            names.append(pitch.left(slash) + octave + u'/' + pitch.mid(slash + 1) + octave);
    }
    // The table as the lighting program spells it: the three keys below C1 carry a capital
    // letter O instead of the digit, except in the flat name of A#.
    names[21] = QStringLiteral("AO");
    names[22] = QStringLiteral("A#O/Bb0");
    names[23] = QStringLiteral("BO");
    return names;
}

QStringList MessageNames()
{
    QStringList names(CMidiName::kMessageCount);
    names[8] = QStringLiteral("Note Off");
    names[9] = QStringLiteral("Note On");
    names[10] = QStringLiteral("Polyphonic Key Pressure (Aftertouch)");
    names[11] = QStringLiteral("Control Change");
    names[12] = QStringLiteral("Program Change");
    names[13] = QStringLiteral("Channel Pressure (Aftertouch)");
    names[14] = QStringLiteral("Pitch Wheel Change");
    return names;
}

} // namespace

CMidiName::CMidiName(int tableKind)
{
    switch (tableKind) {
    case kControllers: m_controllers = ControllerNames(); break;
    case kNotes: m_notes = NoteNames(); break;
    case kMessages: m_messages = MessageNames(); break;
    default: break;
    }
}

QString CMidiName::Entry(const QStringList &table, int index)
{
    return (index >= 0 && index < table.size()) ? table.at(index) : QString();
}

} // namespace midi
