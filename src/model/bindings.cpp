// Binding records and their XML form inside a control's element.
#include "model/bindings.h"

#include <algorithm>
#include <cstring>

#include "xml/xml_node.h"

namespace dataConsole {

using korvane::CXmlNode;

namespace {

constexpr char kCommand[] = "command";
constexpr char kChannel[] = "channel";
constexpr char kStatus[] = "status";
constexpr char kFeedBack[] = "FeedBack";
constexpr char kFeedBackReceived[] = "FeedBackRecieved";
constexpr char kOnValue[] = "OnValue";
constexpr char kOffValue[] = "OffValue";
constexpr char kOnChannel[] = "OnCh";
constexpr char kOffChannel[] = "OffCh";
constexpr char kUnivers[] = "univers";

constexpr char kGroupPrefix[] = "Group";
constexpr char kLabel[] = "label";
constexpr char kMidi[] = "MIDI";
constexpr char kMidiDecrement[] = "MIDIdecrement";
constexpr char kDmx[] = "DMX";
constexpr char kDmxDecrement[] = "DMXdecrement";
constexpr char kPushButton[] = "poussoir";
constexpr char kIgnoreZero[] = "IgnorZeroValue";

// A status above 128 is a whole status byte: keep its message type.
constexpr int kLargestStatusKept = 128;

std::string GroupElementName(int index)
{
    return kGroupPrefix + std::to_string(index);
}

std::int16_t ReadShort(const CXmlNode &element, const char *name, int defaultValue)
{
    return static_cast<std::int16_t>(element.GetAttributeInt(name, defaultValue));
}

} // namespace

bool CMidiData::IsEmpty() const
{
    return command == -1 && channel == -1 && status == -1 && feedBack && !feedBackReceived && onValue < 0 &&
           onChannel < 0 && offValue < 0 && offChannel < 0;
}

void CMidiData::Save(CXmlNode &parent, const char *name) const
{
    CXmlNode *element = parent.AddChild(name);
    element->AddAttributeInt(kCommand, command);
    element->AddAttributeInt(kChannel, channel);
    element->AddAttributeInt(kStatus, status);
    element->AddAttributeBool(kFeedBack, feedBack);
    element->AddAttributeBool(kFeedBackReceived, feedBackReceived);
    element->AddAttributeInt(kOnValue, onValue);
    element->AddAttributeInt(kOffValue, offValue);
    element->AddAttributeInt(kOnChannel, onChannel);
    element->AddAttributeInt(kOffChannel, offChannel);
}

bool CMidiData::Load(const CXmlNode &parent, const char *name)
{
    const CXmlNode *element = parent.FindChild(name);
    if (!element)
        return false;
    const CMidiData defaults;
    command = ReadShort(*element, kCommand, defaults.command);
    channel = ReadShort(*element, kChannel, defaults.channel);
    int statusRead = element->GetAttributeInt(kStatus, defaults.status);
    if (statusRead > kLargestStatusKept)
        statusRead = (statusRead >> 4) & 0xF;
    status = static_cast<std::int16_t>(statusRead);
    feedBack = element->GetAttributeInt(kFeedBack, 1) == 1;
    feedBackReceived = element->GetAttributeInt(kFeedBackReceived, 0) == 1;
    onValue = ReadShort(*element, kOnValue, defaults.onValue);
    offValue = ReadShort(*element, kOffValue, defaults.offValue);
    onChannel = ReadShort(*element, kOnChannel, defaults.onChannel);
    offChannel = ReadShort(*element, kOffChannel, defaults.offChannel);
    return true;
}

void CDmxData::Save(CXmlNode &parent, const char *name) const
{
    CXmlNode *element = parent.AddChild(name);
    element->AddAttributeInt(kChannel, channel);
    element->AddAttributeInt(kUnivers, univers);
}

bool CDmxData::Load(const CXmlNode &parent, const char *name)
{
    const CXmlNode *element = parent.FindChild(name);
    if (!element)
        return false;
    channel = ReadShort(*element, kChannel, -1);
    univers = ReadShort(*element, kUnivers, -1);
    return true;
}

void CBindingSets::Grow(int count)
{
    if (count > Count())
        m_sets.resize(static_cast<std::size_t>(count));
}

void CBindingSets::Save(CXmlNode &controlElement, BindingStyle style) const
{
    const bool wheel = style == BindingStyle::kWheel;
    for (int i = 0; i < Count(); ++i) {
        const CBindingSet &set = m_sets[static_cast<std::size_t>(i)];
        // The element is made by the first thing that needs it, so an index with nothing to
        // hold leaves no trace in the file.
        CXmlNode *group = nullptr;
        auto element = [&]() -> CXmlNode & {
            if (!group)
                group = controlElement.AddChild(GroupElementName(i));
            return *group;
        };
        if (!set.label.empty())
            element().AddAttribute(kLabel, set.label.c_str());
        if (!set.midi.IsEmpty())
            set.midi.Save(element(), kMidi);
        if (wheel && !set.midiDecrement.IsEmpty())
            set.midiDecrement.Save(element(), kMidiDecrement);
        if (!set.dmx.IsEmpty())
            set.dmx.Save(element(), kDmx);
        if (wheel && !set.dmxDecrement.IsEmpty())
            set.dmxDecrement.Save(element(), kDmxDecrement);
    }
    if (style != BindingStyle::kButton)
        return;
    // The button flags go after every set is written: an index that only has its push-button
    // flag gets an element of its own at the end; an ignore-zero flag alone is not kept.
    for (int i = 0; i < Count(); ++i) {
        const CBindingSet &set = m_sets[static_cast<std::size_t>(i)];
        const std::string name = GroupElementName(i);
        CXmlNode *group = controlElement.FindChild(name);
        if (!group && set.pushButton)
            group = controlElement.AddChild(name);
        if (group) {
            group->AddAttributeBool(kPushButton, set.pushButton);
            group->AddAttributeBool(kIgnoreZero, set.ignoreZero);
        }
    }
}

void CBindingSets::Load(const CXmlNode &controlElement, int readCount, BindingStyle style)
{
    const int last = std::min(readCount, Count());
    for (int i = 0; i < last; ++i) {
        CBindingSet &set = m_sets[static_cast<std::size_t>(i)];
        const std::string name = GroupElementName(i);
        for (const CXmlNode *child = controlElement.FirstChild(); child; child = child->NextSibling()) {
            // Exact spelling here, unlike every other lookup of the format.
            if (!child->Name() || std::strcmp(child->Name(), name.c_str()) != 0)
                continue;
            if (style != BindingStyle::kGroup) {
                const char *label = child->GetAttribute(kLabel);
                set.label = label ? label : "";
            }
            set.midi.Load(*child, kMidi);
            set.midiDecrement.Load(*child, kMidiDecrement);
            set.dmx.Load(*child, kDmx);
            set.dmxDecrement.Load(*child, kDmxDecrement);
            if (style == BindingStyle::kButton) {
                set.pushButton = child->GetAttributeInt(kPushButton) == 1;
                set.ignoreZero = child->GetAttributeInt(kIgnoreZero) == 1;
            }
        }
    }
}

} // namespace dataConsole
