#include "model/midi_dispatch.h"

#include <algorithm>

namespace dataConsole {

namespace {

constexpr int kButtonOn = 127;
constexpr int kButtonOff = 0;

// The lists a kind plays: wheels turn both ways, every other kind has one message per page.
int ListCount(const CCtrl__Base &control)
{
    return control.Kind() == kCtrlWheel ? 2 : 1;
}

const CMidiData &BindingOf(const CCtrl__Base &control, MidiBindingList list, int groupIndex)
{
    const CBindingSet &set = control.Bindings()[groupIndex];
    return list == kListMidi ? set.midi : set.midiDecrement;
}

} // namespace

bool MidiBindingMatches(const CMidiData &binding, int command, int channel, int type)
{
    return binding.command == command && (binding.channel < 0 || binding.channel == channel) &&
           MidiStatusMatches(binding.status, type);
}

void ApplyMidiMatch(CCtrl__Base &control, MidiBindingList list, int groupIndex, const CMidiData &binding, int type,
                    int value)
{
    switch (control.Kind()) {
    case kCtrlButton: {
        // A note binding follows the key itself, so a note on with velocity 0 still lights
        // it; any other message lights it for any value above 0.
        const bool on = binding.status == kStatusNoteOnOff ? type == kStatusNoteOn : value > 0;
        control.SetValueAt(groupIndex, on ? kButtonOn : kButtonOff);
        break;
    }
    case kCtrlFaderHorz:
    case kCtrlFaderVert:
    case kCtrlFaderRotary:
        control.SetValueAt(groupIndex, value);
        break;
    case kCtrlGroupButtons:
    case kCtrlGroupIncDec:
        control.SetValue(groupIndex);
        break;
    case kCtrlWheel:
        control.SetValue(control.GetValue() + (list == kListMidi ? 1 : -1));
        break;
    default:
        break;
    }
}

std::uint64_t CMidiIndex::Key(int command, int channel)
{
    // Every negative channel means "any channel" and shares one key.
    const std::uint32_t channelPart = channel < 0 ? 0xFFFFFFFFu : std::uint32_t(channel);
    return (std::uint64_t(std::uint32_t(command)) << 32) | channelPart;
}

CMidiIndex::Range CMidiIndex::Find(int command, int channel) const
{
    const auto found = m_ranges.find(Key(command, channel));
    return found == m_ranges.end() ? Range{0, 0} : found->second;
}

void CMidiIndex::Rebuild(const CCtrlList &controls)
{
    std::vector<std::pair<std::uint64_t, Entry>> keyed;
    std::uint32_t order = 0;
    for (std::size_t c = 0; c < controls.size(); ++c) {
        const CCtrl__Base &control = *controls[c];
        for (int l = 0; l < ListCount(control); ++l) {
            const auto list = MidiBindingList(l);
            for (int g = 0; g < control.Bindings().Count(); ++g) {
                const CMidiData &binding = BindingOf(control, list, g);
                keyed.push_back({Key(binding.command, binding.channel),
                                 Entry{order++, std::uint32_t(c), g, binding.status, list}});
            }
        }
    }
    // Stable, so each key keeps its bindings in list order.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    m_entries.clear();
    m_entries.reserve(keyed.size());
    m_ranges.clear();
    std::uint32_t start = 0;
    for (std::uint32_t i = 0; i < keyed.size(); ++i) {
        m_entries.push_back(keyed[i].second);
        if (i + 1 == keyed.size() || keyed[i + 1].first != keyed[i].first) {
            m_ranges.emplace(keyed[i].first, Range{start, i + 1});
            start = i + 1;
        }
    }
    m_builtSize = controls.size();
    m_dirty = false;
}

bool ApplyMidi(CMidiIndex &index, const CCtrlList &controls, int command, int channel, int type, int value)
{
    index.RebuildIfStale(controls);
    bool matched = false;
    index.ForEachMatch(command, channel, type, [&](const CMidiIndex::Entry &entry) {
        CCtrl__Base &control = *controls[entry.control];
        ApplyMidiMatch(control, entry.list, entry.groupIndex, BindingOf(control, entry.list, entry.groupIndex), type,
                       value);
        matched = true;
    });
    return matched;
}

} // namespace dataConsole
