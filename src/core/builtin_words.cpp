// The English words built into the program: every interface text the editor shows by number.
// Numbers the editor never shows stay out of the table and read as the empty text.
#include "core/builtin_words.h"

#include <algorithm>
#include <iterator>

namespace korvane {
namespace {

struct BuiltinWordEntry {
    int number;
    const char *text; // UTF-8
};

// Sorted by number: looked up by binary search.
constexpr BuiltinWordEntry kBuiltinWords[] = {
    {6, "OK"},
    {7, "Cancel"},
    {14, "Date"},
    {16, "Tools"},
    {17, "File"},
    {21, "Save as..."},
    {24, "File already exist !"},
    {25, "Copy"},
    {28, "Paste"},
    {30, "Delete"},
    {424, "Zoom"},
    {430, "Open"},
    {525, "Error !"},
    {529, "Language"},
    {530, "About..."},
    {534, "?"},
    {547, "Size"},
    {563, "Select"},
    {659, "Do you wish to save changes ?"},
    {726, "Button"},
    {1714, "Pan"},
    {1715, "Tilt"},
    {1886, "Lock"},
    {2025, "Properties"},
    {2531, "Preview"},
    {2643, "Zoom In"},
    {2644, "Zoom Out"},
    {2906, "Positioning"},
    {2907, "Alignement on left sides"},
    {2908, "Alignement on right sides"},
    {2909, "Alignement on the tops"},
    {2910, "Alignement on the bottoms"},
    {2915, "Standardization of widths"},
    {2916, "Standardization of heights"},
    {2917, "Standardization of sizes"},
    {2925, "Drawing type"},
    {3191, "Design"},
    {3192, "Round slider"},
    {3193, "Wrong file header!"},
    {3194, "Wrong file version!"},
    {3714, "Group of buttons"},
    {3715, "+/- button"},
    // The editor's additions (word_ids.h): the property panel's captions, the commands that the
    // framework captioned before, the learn dialog's and the panel's list texts.
    {4167, "Text"},
    {4168, "Flash mode"},
    {4169, "Ignore midi velocity 0"},
    {4170, "Velocity sent when control is on"},
    {4171, "Channel sent when control is on"},
    {4172, "Velocity sent when control is off"},
    {4173, "Channel sent when control is off"},
    {4174, "Send MIDI feedback"},
    {4175, "Feedback all child controls"},
    {4176, "Mode increment/decrement"},
    {4177, "Midi data for group index"},
    {4178, "Increment"},
    {4179, "Decrement"},
    {4180, "New"},
    {4181, "Save"},
    {4182, "Undo"},
    {4183, "Redo"},
    {4184, "Select all"},
    {4185, "Print..."},
    {4186, "Exit"},
    {4187, "Help"},
    {4188, "MIDI command settings..."},
    {4189, "Waiting for a MIDI command"},
    {4190, "Undefined"},
    {4191, "Note (on/off)"},
    {4192, "All status"},
    {4193, "No command"},
    {4194, "All channels"},
    {4195, "Channel"},
    {4196, "Not used"},
    {4197, "Not assigned"},
    {4198, "Universe"},
    {4199, "Text properties"},
};

} // namespace

const char *BuiltinWord(int number)
{
    const auto it = std::lower_bound(std::begin(kBuiltinWords), std::end(kBuiltinWords), number,
                                     [](const BuiltinWordEntry &e, int n) { return e.number < n; });
    return (it != std::end(kBuiltinWords) && it->number == number) ? it->text : "";
}

int BuiltinWordCount()
{
    return static_cast<int>(std::size(kBuiltinWords));
}

bool BuiltinWordsSorted()
{
    return std::is_sorted(std::begin(kBuiltinWords), std::end(kBuiltinWords),
                          [](const BuiltinWordEntry &a, const BuiltinWordEntry &b) { return a.number < b.number; });
}

} // namespace korvane
