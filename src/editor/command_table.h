// The editor's commands: for each, its number, caption word, icon, check mark and
// shortcut. One table serves the ribbon, its quick-access bar, the system menu and the popups.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <span>

namespace korvane {

// The program's command numbers. Those of the framework's own commands (file, edit, help)
// keep the numbers they had in the Windows framework.
enum CommandId : int {
    kIdSystemButton = 500,
    kIdLanguagePopup = 503,
    kIdHelpPopup = 504,

    kIdLanguageFirst = 788, // language n is command 788 + n
    kIdLanguageLast = 806,

    kIdSelect = 821, // 821..832: Select, then a create command per kind of control
    kIdCreateImage = 822,
    kIdCreateLabel = 823,
    kIdCreateButton = 824,
    kIdCreateHorizontalFader = 825,
    kIdCreateVerticalFader = 826,
    kIdCreateRotary = 827,
    kIdCreateWheel = 828,
    kIdCreateColourMixer = 829,
    kIdCreatePanTilt = 830,
    kIdCreateButtonGroup = 831,
    kIdCreatePlusMinusGroup = 832,

    kIdZoomOut = 834,
    kIdZoomIn = 835,
    kIdDelete = 836,
    kIdCopy = 837,
    kIdPaste = 838,
    kIdNewDesign = 839,
    kIdEditDesign = 840,

    kIdAlignLeft = 951,
    kIdAlignRight = 952,
    kIdAlignTop = 953,
    kIdAlignBottom = 954,
    kIdSpreadVertically = 955,
    kIdSpreadHorizontally = 956,
    kIdSameHeight = 957,
    kIdSameWidth = 958,
    kIdSameSize = 959,
    kIdSnapToGrid = 960,
    kIdLock = 961,

    kIdFileNew = 0xE100,
    kIdFileOpen = 0xE101,
    kIdFileSave = 0xE103,
    kIdFileSaveAs = 0xE104,
    kIdFilePrint = 0xE107,   // the editor's addition
    kIdSelectAll = 0xE12A,   // the editor's addition
    kIdUndo = 0xE12B,        // the editor's addition
    kIdRedo = 0xE12C,        // the editor's addition
    kIdAbout = 0xE140,
    kIdExit = 0xE141,
    kIdHelp = 0xE143,
};

inline constexpr int kLanguageCommandCount = kIdLanguageLast - kIdLanguageFirst + 1;
inline constexpr int kNoWord = -1;

inline constexpr int LanguageCommandId(int language)
{
    return kIdLanguageFirst + language;
}

// The control kind that create command `id` (822..832) places; kCtrlNone for Select and any
// other command.
int CtrlKindOfCommand(int id);

struct CommandInfo
{
    int id;
    int word;              // the caption's word number, kNoWord for a fixed English caption
    const char *text;      // the fixed English caption when word is kNoWord, else nullptr
    const char *shortText; // the label of its ribbon button where the caption is too long; nullptr: the caption
    const char *icon;      // the icon's name under :/icons/ (without ".svg"); nullptr: none
    bool checkable;
    const char *shortcuts; // portable key sequences separated by "; "; nullptr: none
};

// Every command, ordered by number.
std::span<const CommandInfo> CommandTable();
// The entry of command `id`, nullptr when there is none.
const CommandInfo *FindCommand(int id);

// A word source: word number to text. The program passes its localisation; tests their own.
using WordLookup = std::function<QString(int)>;

QString CommandCaption(const CommandInfo &command, const WordLookup &word);
QList<QKeySequence> CommandShortcuts(const CommandInfo &command);

// The Language menu (language number, English name), used until the main frame
// gives the translation plug-in's list.
QList<QPair<int, QString>> DefaultLanguageEntries();

} // namespace korvane
