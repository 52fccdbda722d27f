// MIDI bindings that two controls (or two pages of one control) use at the same moment: the
// lighting program cannot tell them apart. korvane-cli check lists them; the property panel
// flags the ones of the control it shows.
#pragma once

#include <QString>

#include <vector>

namespace dataConsole {

class CConsoleData;
class CCtrl__Base;

// One MIDI binding of a control: the record of one binding set.
struct CBindingUse
{
    const CCtrl__Base *control;
    int set;
    bool decrement; // a wheel's turn down

    // "Group0 decrement of Wheel at (10,20)"
    QString Text() const;
};

// Two uses of the same command, channel and status that can answer one message together.
struct CBindingClash
{
    int command;
    int channel;
    int status;
    CBindingUse first;  // the earlier in the console's order
    CBindingUse second;
};

// How a finding names a control: its element's tag and place, and the group that holds it
// ("Button at (10,20) in GroupButtons at (0,0)").
QString DescribeControl(const CCtrl__Base &control);

// Whether two bindings can answer the same message at the same moment. A control outside
// any group shows on every page, and so do all the sets of a group control itself (its
// buttons or pages are on the surface together). A contained control's set n is live only
// while its group shows page n. Two groups turn their pages independently, so controls of
// different groups can show together whatever their pages: only different pages of the same
// group never meet.
bool LiveTogether(const CBindingUse &a, const CBindingUse &b);

// Every clash of the console, ordered by command, channel and status, then by console order.
std::vector<CBindingClash> FindBindingsUsedTwice(const CConsoleData &console);
// The clashes one of whose uses belongs to `control`, in the same order.
std::vector<CBindingClash> ClashesOf(const CConsoleData &console, const CCtrl__Base &control);

} // namespace dataConsole
