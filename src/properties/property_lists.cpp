// The property panel's lists.
#include "properties/property_lists.h"

#include <functional>

#include "core/word_ids.h"
#include "core/words.h"
#include "midi/midi_name.h"
#include "model/bindings.h"

namespace korvane {

namespace {

using namespace dataConsole;

constexpr int kFirstMessageType = kStatusNoteOff;
constexpr int kLastMessageType = kStatusPitchWheel;
// Statuses below the message types occupy the first entries.
constexpr int kStatusEntryOffset = 2;
constexpr int kMessageEntryShift = kFirstMessageType - kStatusEntryOffset;
constexpr int kCommandCount = 255;
constexpr int kMidiChannels = 16;
constexpr int kVelocities = 128;
constexpr int kDmxChannels = 512;
constexpr int kDmxUniverses = 5;

// Keys of the cached lists; commands are cached by their kind of status.
enum ListKey {
    kAlignXFree,
    kAlignXFixed,
    kAlignYFree,
    kAlignYFixed,
    kTextPositionList,
    kStatusList,
    kControllerCommands,
    kNoteCommands,
    kNumberCommands,
    kNoCommands,
    kEmptyCommands,
    kChannelList,
    kChannelSentList,
    kVelocityList,
    kDmxChannelList,
    kDmxUniverseList,
};

QString Padded(int number)
{
    return QStringLiteral("%1").arg(number, 3);
}

QString Named(int number, const QString &name)
{
    return Padded(number) + QStringLiteral(" - ") + name;
}

// `first`, then "n - name" for n = 1..count.
QStringList Numbered(int firstWord, int count, int nameWord)
{
    QStringList list{Word(firstWord)};
    const QString name = Word(nameWord);
    for (int n = 1; n <= count; ++n)
        list << Named(n, name);
    return list;
}

// `firstWord`, then the commands 0..254, each with its name when there are names.
QStringList Commands(int firstWord, const std::function<QString(int)> &name)
{
    QStringList list{Word(firstWord)};
    for (int n = 0; n < kCommandCount; ++n)
        list << (name ? Named(n, name(n)) : Padded(n));
    return list;
}

} // namespace

int EntryOfStatus(int status)
{
    return status < 0 ? status + kStatusEntryOffset : status - kMessageEntryShift;
}

int StatusOfEntry(int entry)
{
    return entry < kStatusEntryOffset ? entry - kStatusEntryOffset : entry + kMessageEntryShift;
}

bool StatusHasNoCommand(int status)
{
    return status >= kStatusProgramChange && status <= kLastMessageType;
}

const QStringList &CPropertyLists::Cached(int key, Maker make)
{
    auto found = m_lists.find(key);
    if (found == m_lists.end())
        found = m_lists.emplace(key, make()).first;
    return found->second;
}

const QStringList &CPropertyLists::AlignX(bool withFree)
{
    if (withFree)
        return Cached(kAlignXFree, [] { return QStringList{"0-Left", "1-Right", "2-Center", "3-Free"}; });
    return Cached(kAlignXFixed, [] { return QStringList{"0-Left", "1-Right", "2-Center"}; });
}

const QStringList &CPropertyLists::AlignY(bool withFree)
{
    if (withFree)
        return Cached(kAlignYFree, [] { return QStringList{"0-Top", "1-Bottom", "2-Center", "3-Free"}; });
    return Cached(kAlignYFixed, [] { return QStringList{"0-Top", "1-Bottom", "2-Center"}; });
}

const QStringList &CPropertyLists::TextPosition()
{
    return Cached(kTextPositionList,
                  [] { return QStringList{"0-Free", "1-Center", "2-Top", "3-Bottom", "4-Above", "5-Below"}; });
}

const QStringList &CPropertyLists::Status()
{
    return Cached(kStatusList, [] {
        QStringList list{Word(word::kNoteOnOff), Word(word::kAllStatus)};
        const midi::CMidiName names(midi::CMidiName::kMessages);
        for (int type = kFirstMessageType; type <= kLastMessageType; ++type)
            list << QStringLiteral("%1 - %2").arg(type).arg(names.MessageName(type));
        return list;
    });
}

const QStringList &CPropertyLists::Command(int status)
{
    if (status == kStatusControlChange) {
        return Cached(kControllerCommands, [] {
            const midi::CMidiName names(midi::CMidiName::kControllers);
            return Commands(word::kNoCommand, [&names](int n) { return names.ControllerName(n); });
        });
    }
    if (status == kStatusNoteOnOff || (status >= kFirstMessageType && status < kStatusControlChange)) {
        return Cached(kNoteCommands, [] {
            const midi::CMidiName names(midi::CMidiName::kNotes);
            return Commands(word::kUndefined, [&names](int n) { return names.NoteName(n); });
        });
    }
    if (status == kStatusAny)
        return Cached(kNumberCommands, [] { return Commands(word::kUndefined, {}); });
    if (StatusHasNoCommand(status))
        return Cached(kNoCommands, [] { return QStringList{Word(word::kUndefined)}; });
    return Cached(kEmptyCommands, [] { return QStringList(); });
}

const QStringList &CPropertyLists::Channel()
{
    return Cached(kChannelList, [] { return Numbered(word::kAllChannels, kMidiChannels, word::kChannel); });
}

const QStringList &CPropertyLists::ChannelSent()
{
    return Cached(kChannelSentList, [] { return Numbered(word::kNotUsed, kMidiChannels, word::kChannel); });
}

const QStringList &CPropertyLists::Velocity()
{
    return Cached(kVelocityList, [] {
        QStringList list{Word(word::kNotUsed)};
        for (int velocity = 0; velocity < kVelocities; ++velocity)
            list << Padded(velocity);
        return list;
    });
}

const QStringList &CPropertyLists::DmxChannel()
{
    return Cached(kDmxChannelList, [] { return Numbered(word::kNotAssigned, kDmxChannels, word::kChannel); });
}

const QStringList &CPropertyLists::DmxUniverse()
{
    return Cached(kDmxUniverseList, [] { return Numbered(word::kNotAssigned, kDmxUniverses, word::kUniverse); });
}

} // namespace korvane
