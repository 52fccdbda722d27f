// What ties a control to the outside world: the MIDI message it stands for (and the feedback
// it sends), the DMX channel it drives, and a control's sets of them, one per group index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {
class CXmlNode;
}

namespace dataConsole {

// Message types, as the high nibble of a channel message's status byte; two more values
// stand for "note on or off" and "any type".
enum MidiStatus : std::int16_t {
    kStatusAny = -1,
    kStatusNoteOnOff = -2,
    kStatusNoteOff = 8,
    kStatusNoteOn = 9,
    kStatusPolyPressure = 10,
    kStatusControlChange = 11,
    kStatusProgramChange = 12,
    kStatusChannelPressure = 13,
    kStatusPitchWheel = 14,
};

// One MIDI binding. -1 in any number field means "not set" (for the channel: any channel).
struct CMidiData
{
    std::int16_t command = -1;
    std::int16_t channel = -1;
    std::int16_t status = kStatusAny;
    bool feedBack = true;
    bool feedBackReceived = false;
    std::int16_t onValue = -1;
    std::int16_t onChannel = -1;
    std::int16_t offValue = -1;
    std::int16_t offChannel = -1;
    // Run-time word for the lighting program's own use; never written to a file.
    std::uint32_t runtime = 0;

    bool IsEmpty() const;
    // Adds a child element `name` holding all nine attributes.
    void Save(korvane::CXmlNode &parent, const char *name) const;
    // Replaces every field from the first child `name` (any case); false when there is none.
    bool Load(const korvane::CXmlNode &parent, const char *name);

    bool operator==(const CMidiData &) const = default;
};

// One DMX binding: channel and universe counted from 0; -1 means not assigned.
struct CDmxData
{
    std::int16_t channel = -1;
    std::int16_t univers = -1;

    bool IsEmpty() const { return channel == -1 && univers == -1; }
    void Save(korvane::CXmlNode &parent, const char *name) const;
    bool Load(const korvane::CXmlNode &parent, const char *name);

    bool operator==(const CDmxData &) const = default;
};

// Everything a control holds for one group index (one page of its group).
struct CBindingSet
{
    std::string label; // the file's bytes (Windows-1252)
    CMidiData midi;
    CMidiData midiDecrement; // written by wheels only
    CDmxData dmx;
    CDmxData dmxDecrement; // written by wheels only
    bool pushButton = false; // buttons only ("poussoir")
    bool ignoreZero = false; // buttons only

    bool operator==(const CBindingSet &) const = default;
};

// How a control kind writes and reads its binding sets.
enum class BindingStyle {
    kPlain,  // labels, MIDI and DMX
    kButton, // and the push-button and ignore-zero flags
    kWheel,  // and the decrement records
    kGroup,  // groups of buttons and +/- groups: labels are written but not read back
};

// A control's binding sets, one per group index. There is always at least one, and the
// count only grows: a control that leaves a group keeps the sets of the pages it had.
class CBindingSets
{
public:
    CBindingSets() : m_sets(1) {}

    int Count() const { return static_cast<int>(m_sets.size()); }
    // Raises the count to `count` with default sets; never lowers it.
    void Grow(int count);

    CBindingSet &operator[](int index) { return m_sets.at(static_cast<std::size_t>(index)); }
    const CBindingSet &operator[](int index) const { return m_sets.at(static_cast<std::size_t>(index)); }

    // Adds "Group0", "Group1", ... to the control's element for the indexes that hold
    // something.
    void Save(korvane::CXmlNode &controlElement, BindingStyle style) const;
    // Reads "Group0" .. "Group<readCount-1>" (exact spelling) for the indexes this control
    // has; later elements of the same name override earlier ones.
    void Load(const korvane::CXmlNode &controlElement, int readCount, BindingStyle style);

    bool operator==(const CBindingSets &) const = default;

private:
    std::vector<CBindingSet> m_sets;
};

} // namespace dataConsole
