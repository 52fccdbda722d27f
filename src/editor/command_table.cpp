// The table of the editor's commands.
#include "editor/command_table.h"

#include <algorithm>
#include <iterator>

#include "core/word_ids.h"
#include "model/ctrl_base.h"

namespace korvane {
namespace {

constexpr bool kCheckable = true;
constexpr bool kPlain = false;

// Sorted by number: looked up by binary search.
constexpr CommandInfo kCommands[] = {
    // The system button and the two popups of the tab row.
    {kIdSystemButton, word::kFile, nullptr, nullptr, nullptr, kPlain, nullptr},
    {kIdLanguagePopup, word::kLanguage, nullptr, nullptr, "language", kPlain, nullptr},
    {kIdHelpPopup, word::kHelpMenu, nullptr, nullptr, nullptr, kPlain, nullptr},

    // The language menu: fixed English names until the main frame gives the plug-in's.
    {788, kNoWord, "English", nullptr, nullptr, kCheckable, nullptr},
    {789, kNoWord, "French", nullptr, nullptr, kCheckable, nullptr},
    {790, kNoWord, "Italian", nullptr, nullptr, kCheckable, nullptr},
    {791, kNoWord, "German", nullptr, nullptr, kCheckable, nullptr},
    {792, kNoWord, "Spanish", nullptr, nullptr, kCheckable, nullptr},
    {793, kNoWord, "Finnish", nullptr, nullptr, kCheckable, nullptr},
    {794, kNoWord, "Japanese", nullptr, nullptr, kCheckable, nullptr},
    {795, kNoWord, "Danish", nullptr, nullptr, kCheckable, nullptr},
    {796, kNoWord, "Greek", nullptr, nullptr, kCheckable, nullptr},
    {797, kNoWord, "Korean", nullptr, nullptr, kCheckable, nullptr},
    {798, kNoWord, "Simplified Chinese", nullptr, nullptr, kCheckable, nullptr},
    {799, kNoWord, "Hungarian(Magyar)", nullptr, nullptr, kCheckable, nullptr},
    {800, kNoWord, "Russian", nullptr, nullptr, kCheckable, nullptr},
    {801, kNoWord, "Dutch", nullptr, nullptr, kCheckable, nullptr},
    {802, kNoWord, "Swedish", nullptr, nullptr, kCheckable, nullptr},
    {803, kNoWord, "Portuguese", nullptr, nullptr, kCheckable, nullptr},
    {804, kNoWord, "Traditional Chinese", nullptr, nullptr, kCheckable, nullptr},
    {805, kNoWord, "Slovak", nullptr, nullptr, kCheckable, nullptr},
    {806, kNoWord, "Polak", nullptr, nullptr, kCheckable, nullptr},

    // The Tools tab. Escape picks Select, which cancels a pending placement.
    {kIdSelect, word::kSelect, nullptr, nullptr, "select", kCheckable, "Esc"},
    {kIdCreateImage, kNoWord, "Create image control", "Image", "create_image", kCheckable, nullptr},
    {kIdCreateLabel, kNoWord, "Create label text control", "Label", "create_label", kCheckable, nullptr},
    {kIdCreateButton, kNoWord, "Create button control", "Button", "create_button", kCheckable, nullptr},
    {kIdCreateHorizontalFader, kNoWord, "Create horizontal slider control", "Horizontal slider",
     "create_fader_horizontal", kCheckable, nullptr},
    {kIdCreateVerticalFader, kNoWord, "Create vertical slider control", "Vertical slider",
     "create_fader_vertical", kCheckable, nullptr},
    {kIdCreateRotary, kNoWord, "Create dial control", "Dial", "create_rotary", kCheckable, nullptr},
    {kIdCreateWheel, kNoWord, "Create wheel control", "Wheel", "create_wheel", kCheckable, nullptr},
    {kIdCreateColourMixer, kNoWord, "Create color mixing control", "Color mixing", "create_colour_mixer",
     kCheckable, nullptr},
    {kIdCreatePanTilt, kNoWord, "Create pan tilt control", "Pan tilt", "create_pan_tilt", kCheckable, nullptr},
    {kIdCreateButtonGroup, kNoWord, "Create group buttons control", "Group buttons", "create_button_group",
     kCheckable, nullptr},
    {kIdCreatePlusMinusGroup, kNoWord, "Create group increment/decrement control", "Group +/-",
     "create_plus_minus", kCheckable, nullptr},
    {kIdZoomOut, word::kZoomOut, nullptr, nullptr, "zoom_out", kPlain, "Ctrl+-"},
    {kIdZoomIn, word::kZoomIn, nullptr, nullptr, "zoom_in", kPlain, "Ctrl++; Ctrl+="},
    {kIdDelete, word::kDelete, nullptr, nullptr, "delete", kPlain, "Del"},
    {kIdCopy, word::kCopy, nullptr, nullptr, "copy", kPlain, "Ctrl+C"},
    {kIdPaste, word::kPaste, nullptr, nullptr, "paste", kPlain, "Ctrl+V"},

    // The Control design tab.
    {kIdNewDesign, kNoWord, "New drawing ccd file", nullptr, "design_new", kPlain, nullptr},
    {kIdEditDesign, kNoWord, "Edit drawing ccd file", nullptr, "design_edit", kPlain, nullptr},

    // Positioning.
    {kIdAlignLeft, word::kAlignLeft, nullptr, nullptr, "align_left", kPlain, nullptr},
    {kIdAlignRight, word::kAlignRight, nullptr, nullptr, "align_right", kPlain, nullptr},
    {kIdAlignTop, word::kAlignTop, nullptr, nullptr, "align_top", kPlain, nullptr},
    {kIdAlignBottom, word::kAlignBottom, nullptr, nullptr, "align_bottom", kPlain, nullptr},
    {kIdSpreadVertically, kNoWord, "Calcul space verticaly", nullptr, "spread_vertical", kPlain, nullptr},
    {kIdSpreadHorizontally, kNoWord, "Calcul space horizontaly", nullptr, "spread_horizontal", kPlain, nullptr},
    {kIdSameHeight, word::kSameHeight, nullptr, nullptr, "same_height", kPlain, nullptr},
    {kIdSameWidth, word::kSameWidth, nullptr, nullptr, "same_width", kPlain, nullptr},
    {kIdSameSize, word::kSameSize, nullptr, nullptr, "same_size", kPlain, nullptr},
    {kIdSnapToGrid, kNoWord, "Snap moving on grid", nullptr, "snap_grid", kCheckable, nullptr},
    {kIdLock, word::kLock, nullptr, nullptr, "lock", kCheckable, nullptr},

    // The framework's commands: quick-access bar, system menu, "?" popup.
    {kIdFileNew, word::kNew, nullptr, nullptr, "file_new", kPlain, "Ctrl+N"},
    {kIdFileOpen, word::kOpen, nullptr, nullptr, "file_open", kPlain, "Ctrl+O"},
    {kIdFileSave, word::kSave, nullptr, nullptr, "file_save", kPlain, "Ctrl+S"},
    {kIdFileSaveAs, word::kSaveAs, nullptr, nullptr, "file_save_as", kPlain, "Ctrl+Shift+S"},
    {kIdFilePrint, word::kPrint, nullptr, nullptr, "print", kPlain, "Ctrl+P"},
    {kIdSelectAll, word::kSelectAll, nullptr, nullptr, "select_all", kPlain, "Ctrl+A"},
    {kIdUndo, word::kUndo, nullptr, nullptr, "undo", kPlain, "Ctrl+Z"},
    {kIdRedo, word::kRedo, nullptr, nullptr, "redo", kPlain, "Ctrl+Y; Ctrl+Shift+Z"},
    {kIdAbout, word::kAbout, nullptr, nullptr, "about", kPlain, nullptr},
    {kIdExit, word::kExit, nullptr, nullptr, "exit", kPlain, "Ctrl+Q"},
    {kIdHelp, word::kHelp, nullptr, nullptr, "help", kPlain, "F1"},
};

} // namespace

std::span<const CommandInfo> CommandTable()
{
    return kCommands;
}

const CommandInfo *FindCommand(int id)
{
    const auto it = std::lower_bound(std::begin(kCommands), std::end(kCommands), id,
                                     [](const CommandInfo &c, int n) { return c.id < n; });
    return (it != std::end(kCommands) && it->id == id) ? &*it : nullptr;
}

QString CommandCaption(const CommandInfo &command, const WordLookup &word)
{
    if (command.word == kNoWord)
        return QString::fromUtf8(command.text);
    return word(command.word);
}

QList<QKeySequence> CommandShortcuts(const CommandInfo &command)
{
    if (!command.shortcuts)
        return {};
    return QKeySequence::listFromString(QString::fromLatin1(command.shortcuts), QKeySequence::PortableText);
}

QList<QPair<int, QString>> DefaultLanguageEntries()
{
    QList<QPair<int, QString>> entries;
    for (int language = 0; language < kLanguageCommandCount; ++language)
        entries.append({language, QString::fromUtf8(FindCommand(LanguageCommandId(language))->text)});
    return entries;
}

int CtrlKindOfCommand(int id)
{
    using namespace dataConsole;
    // In the order of the create commands, 822 to 832.
    static constexpr int kKinds[] = {kCtrlBitmap,    kCtrlLabel,   kCtrlButton,  kCtrlFaderHorz,
                                     kCtrlFaderVert, kCtrlFaderRotary, kCtrlWheel, kCtrlTrichro,
                                     kCtrlPanTilt,   kCtrlGroupButtons, kCtrlGroupIncDec};
    const int index = id - kIdCreateImage;
    return index >= 0 && index < int(std::size(kKinds)) ? kKinds[index] : kCtrlNone;
}

} // namespace korvane
