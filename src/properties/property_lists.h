// The lists of the property panel's list items (the nested item classes of the panel, in the
// toolkit's terms), and how a stored value and its entry convert into each other. Each list
// is made once per tree and shared by every item that shows it.
#pragma once

#include <QStringList>

#include <map>
#include <optional>

namespace korvane {

// Entry 0 of the MIDI and DMX number lists stands for "not set" (-1): value n is entry n + 1.
inline int EntryOfNumber(int value)
{
    return value + 1;
}
inline int NumberOfEntry(int entry)
{
    return entry - 1;
}
// Status entries: 0 note on/off (-2), 1 any status (-1), 2..8 the message types 8..14.
int EntryOfStatus(int status);
int StatusOfEntry(int entry);
// Program change, channel pressure and pitch wheel carry no command.
bool StatusHasNoCommand(int status);

class CPropertyLists
{
public:
    // CCustomItemAlignX / CCustomItemAlignY: "0-Left" ... and "3-Free" unless a label's.
    const QStringList &AlignX(bool withFree);
    const QStringList &AlignY(bool withFree);
    // CCustomItemTextPosition: "0-Free" ... "5-Below".
    const QStringList &TextPosition();
    // CCustomItemMidiStatus.
    const QStringList &Status();
    // CCustomItemMidiCmd: the commands a binding of that status can have.
    const QStringList &Command(int status);
    // CCustomItemMidiChannel: "All channels", then channels 1 to 16.
    const QStringList &Channel();
    // CCustomItemMidiChannelSended: "Not used", then channels 1 to 16.
    const QStringList &ChannelSent();
    // CCustomItemMidiVelocity: "Not used", then 0 to 127.
    const QStringList &Velocity();
    // CCustomItemDmxChannel and CCustomItemDmxUnivers.
    const QStringList &DmxChannel();
    const QStringList &DmxUniverse();

private:
    using Maker = QStringList (*)();
    const QStringList &Cached(int key, Maker make);

    std::map<int, QStringList> m_lists;
};

} // namespace korvane
