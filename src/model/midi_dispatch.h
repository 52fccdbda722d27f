// Playing incoming MIDI onto a console's controls: which bindings a message matches, found
// through an index instead of a walk over every control, and what each kind does on a match.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/ctrl_base.h"

namespace dataConsole {

// Which of a control's binding lists a binding lies in: the MIDI data of every kind, or the
// decrement data that only wheels play.
enum MidiBindingList : std::uint8_t {
    kListMidi = 0,
    kListMidiDecrement = 1,
};

// Whether a binding's status takes a message type: any type, the type itself, or either
// note type for a note binding.
inline bool MidiStatusMatches(int status, int type)
{
    return status == kStatusAny || status == type ||
           (status == kStatusNoteOnOff && (type == kStatusNoteOff || type == kStatusNoteOn));
}

// Whether a binding stands for a message: the same command, its channel or any channel, and
// a status that takes the type.
bool MidiBindingMatches(const CMidiData &binding, int command, int channel, int type);

// What a matching binding does to its control: a button goes on or off, a fader takes the
// value (both at the binding's group index), a group shows the binding's page, and a wheel
// turns one image forward for its MIDI data, back for its decrement data. Other kinds keep
// their value.
void ApplyMidiMatch(CCtrl__Base &control, MidiBindingList list, int groupIndex, const CMidiData &binding, int type,
                    int value);

// The bindings of a console's controls by command and channel, so that a message visits only
// the few bindings that can match it. Bindings on any channel sit under a channel of their
// own and are merged in on every look-up. The index refers to controls by their place in the
// list it was built from: whoever changes the list or any control's bindings marks it dirty,
// and the next message rebuilds it.
class CMidiIndex
{
public:
    // One binding that can answer a message: where it lies and the type it asks for.
    struct Entry
    {
        std::uint32_t order;   // place in a walk of the list: control, then list, then group index
        std::uint32_t control; // place of the control in the list
        std::int32_t groupIndex;
        std::int16_t status;
        MidiBindingList list;
    };

    CMidiIndex() = default;
    explicit CMidiIndex(const CCtrlList &controls) { Rebuild(controls); }

    void Rebuild(const CCtrlList &controls);
    void MarkDirty() { m_dirty = true; }
    // Rebuilds when marked dirty, or when the list no longer has the size it was built from
    // (so that a missed mark after a deletion never reaches past the end of the list).
    void RebuildIfStale(const CCtrlList &controls)
    {
        if (m_dirty || controls.size() != m_builtSize)
            Rebuild(controls);
    }
    bool IsDirty() const { return m_dirty; }
    std::size_t Size() const { return m_entries.size(); }

    // Calls `visit(entry)` for every binding matching the message, in list order: control by
    // control, a control's MIDI data before its decrement data, pages in order.
    template <typename Visit>
    void ForEachMatch(int command, int channel, int type, Visit &&visit) const;

private:
    using Range = std::pair<std::uint32_t, std::uint32_t>;
    static std::uint64_t Key(int command, int channel);
    Range Find(int command, int channel) const;

    // Sorted by key, and by order within a key.
    std::vector<Entry> m_entries;
    std::unordered_map<std::uint64_t, Range> m_ranges;
    std::size_t m_builtSize = 0;
    bool m_dirty = true;
};

// Plays one message onto the controls (command, channel, type and value as the MIDI input
// delivers them), rebuilding the index first when it is stale. True when any binding matched,
// so the caller knows to repaint.
bool ApplyMidi(CMidiIndex &index, const CCtrlList &controls, int command, int channel, int type, int value);

// ---- implementation of the template

template <typename Visit>
void CMidiIndex::ForEachMatch(int command, int channel, int type, Visit &&visit) const
{
    // A negative channel on a message is met only by bindings on any channel, which all sit
    // under the any-channel key; looking it up twice would play them twice.
    const Range exact = channel >= 0 ? Find(command, channel) : Range{0, 0};
    const Range any = Find(command, -1);
    std::uint32_t i = exact.first, j = any.first;
    while (i < exact.second || j < any.second) {
        const bool takeExact =
            j >= any.second || (i < exact.second && m_entries[i].order < m_entries[j].order);
        const Entry &entry = m_entries[takeExact ? i++ : j++];
        if (MidiStatusMatches(entry.status, type))
            visit(entry);
    }
}

} // namespace dataConsole
