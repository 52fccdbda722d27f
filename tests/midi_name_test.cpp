// The MIDI name tables shown in the property panel's status and command lists.
#include "midi/midi_name.h"

#include <utility>

#include "test_support.h"

using midi::CMidiName;

TEST(MidiNameTest, ControllersNotesAndMessages)
{
    const CMidiName controllers(CMidiName::kControllers);
    const std::pair<int, const char *> controllerCases[] = {
        {0, "Bank Select"}, {3, "Controller 3"}, {12, "Effects controller 1"}, {119, "Controller 119"},
        {127, "Channel Mode Messages (Poly On - Mono Off)"}, {128, "Pitch Bend Range"}, {152, "Chorus type GM2"},
        {153, ""}, {-1, ""},
    };
    for (const auto &[index, name] : controllerCases)
        EXPECT_EQ(controllers.ControllerName(index), QString::fromLatin1(name)) << "controller " << index;

    // From A0, the lowest piano key, to C8; below C1 the table writes a letter O for the
    // octave, except in the flat name.
    const CMidiName notes(CMidiName::kNotes);
    const std::pair<int, const char *> noteCases[] = {
        {20, ""}, {21, "AO"}, {22, "A#O/Bb0"}, {23, "BO"}, {24, "C1"}, {60, "C4"}, {61, "C#4/Db4"},
        {70, "A#4/Bb4"}, {107, "B7"}, {108, "C8"}, {109, ""}, {-1, ""},
    };
    for (const auto &[note, name] : noteCases)
        EXPECT_EQ(notes.NoteName(note), QString::fromLatin1(name)) << "note " << note;

    // By the status byte's high nibble.
    const CMidiName messages(CMidiName::kMessages);
    const std::pair<int, const char *> messageCases[] = {
        {7, ""}, {8, "Note Off"}, {11, "Control Change"}, {14, "Pitch Wheel Change"}, {15, ""}, {-1, ""},
    };
    for (const auto &[nibble, name] : messageCases)
        EXPECT_EQ(messages.MessageName(nibble), QString::fromLatin1(name)) << "message " << nibble;
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
