// MIDI bindings used twice at the same moment.
#include "model/binding_clashes.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "model/console_data.h"
#include "model/ctrl_base.h"

namespace dataConsole {

namespace {

using MidiKey = std::tuple<int, int, int>; // command, channel, status

bool IsGroup(const CCtrl__Base &control)
{
    return control.Kind() == kCtrlGroupButtons || control.Kind() == kCtrlGroupIncDec;
}

// Every MIDI binding the console can play, grouped by the message it answers, each list in
// console order.
std::map<MidiKey, std::vector<CBindingUse>> UsesByMessage(const CConsoleData &console)
{
    std::map<MidiKey, std::vector<CBindingUse>> uses;
    for (const auto &control : console.Controls()) {
        // A label sends nothing: its bindings are not even saved.
        if (control->Kind() == kCtrlLabel)
            continue;
        const bool wheel = control->Kind() == kCtrlWheel;
        // A control outside any group reads and sends only its first set.
        const int sets = control->ParentGroup() || IsGroup(*control) ? control->Bindings().Count() : 1;
        for (int set = 0; set < sets; ++set) {
            const CBindingSet &bindings = control->Bindings()[set];
            for (const bool decrement : {false, true}) {
                const CMidiData &midi = decrement ? bindings.midiDecrement : bindings.midi;
                if ((decrement && !wheel) || midi.command < 0)
                    continue;
                uses[{midi.command, midi.channel, midi.status}].push_back({control.get(), set, decrement});
            }
        }
    }
    return uses;
}

void AddIfLive(std::vector<CBindingClash> &clashes, const MidiKey &key, const CBindingUse &a, const CBindingUse &b)
{
    if (LiveTogether(a, b))
        clashes.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), a, b});
}

} // namespace

QString CBindingUse::Text() const
{
    return QStringLiteral("Group%1%2 of %3")
        .arg(set)
        .arg(decrement ? QStringLiteral(" decrement") : QString())
        .arg(DescribeControl(*control));
}

QString DescribeControl(const CCtrl__Base &control)
{
    QString text = QStringLiteral("%1 at (%2,%3)")
                       .arg(QLatin1String(control.Tag()))
                       .arg(control.Rect().x())
                       .arg(control.Rect().y());
    if (const CCtrl__Base *group = control.ParentGroup())
        text += QStringLiteral(" in ") + DescribeControl(*group);
    return text;
}

bool LiveTogether(const CBindingUse &a, const CBindingUse &b)
{
    const CCtrl__Base *groupA = a.control->ParentGroup();
    return groupA != b.control->ParentGroup() || !groupA || a.set == b.set;
}

std::vector<CBindingClash> FindBindingsUsedTwice(const CConsoleData &console)
{
    std::vector<CBindingClash> clashes;
    for (const auto &[key, list] : UsesByMessage(console)) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            for (std::size_t j = i + 1; j < list.size(); ++j)
                AddIfLive(clashes, key, list[i], list[j]);
        }
    }
    return clashes;
}

std::vector<CBindingClash> ClashesOf(const CConsoleData &console, const CCtrl__Base &control)
{
    // Only the pairs with one of the control's own uses: the panel asks after every edit.
    std::vector<CBindingClash> clashes;
    for (const auto &[key, list] : UsesByMessage(console)) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].control != &control)
                continue;
            for (std::size_t j = 0; j < list.size(); ++j) {
                // Two uses of the control itself pair once, from the earlier.
                if (j == i || (j < i && list[j].control == &control))
                    continue;
                AddIfLive(clashes, key, list[std::min(i, j)], list[std::max(i, j)]);
            }
        }
    }
    return clashes;
}

} // namespace dataConsole
