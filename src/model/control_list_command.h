// Controls added to the console or taken off it: placing, pasting, deleting.
#pragma once

#include <memory>
#include <vector>

#include "model/ctrl_base.h"
#include "model/doc_command.h"

namespace korvane {

// Adds controls to the console or removes them. Controls off the console are held by the
// command, so later commands that refer to them stay valid, and come back at the same places
// in their lists. Pictures go to the picture list, every other kind to the control list.
class CControlListCommand final : public CDocCommand
{
public:
    // Appends `controls` to the console; the document's selection is left to the caller.
    CControlListCommand(CKorvaneDoc &doc, const QString &text,
                        std::vector<std::unique_ptr<dataConsole::CCtrl__Base>> controls);
    // Takes `controls` (which the console holds) off the console.
    CControlListCommand(CKorvaneDoc &doc, const QString &text, const std::vector<dataConsole::CCtrl__Base *> &controls);
    ~CControlListCommand() override;

    void undo() override;
    void redo() override;

    // The controls added or removed, in the order given.
    const std::vector<dataConsole::CCtrl__Base *> &Controls() const { return m_controls; }

private:
    struct Entry
    {
        dataConsole::CCtrl__Base *control;
        bool picture;
        std::size_t index;
        std::unique_ptr<dataConsole::CCtrl__Base> held;
    };
    void Take();
    void Insert();
    void SortEntries();

    bool m_adds;
    std::vector<dataConsole::CCtrl__Base *> m_controls;
    std::vector<Entry> m_entries; // in list order, pictures last
};

} // namespace korvane
