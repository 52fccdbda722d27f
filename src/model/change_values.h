// The generic edit of one property on many controls: what the property panel's items and most
// of the editor's settings are made of.
#pragma once

#include <concepts>
#include <functional>
#include <vector>

#include "model/ctrl_base.h"
#include "model/doc_command.h"

namespace korvane {

// Sets one value on N controls through a setter, and puts back each control's own value
// through the same setter on undo. Setters of text positions, alignments, designs or groups
// move a control's geometry, image size or binding sets as a side effect: undo puts those
// back too. With a merge id, the same property set again on the same controls merges into
// one step (a spin box stepped, a colour tried); a step that leaves everything as it was is
// none.
template <typename T> class CChangeValues final : public CDocCommand
{
public:
    using Getter = std::function<T(const dataConsole::CCtrl__Base &)>;
    using Setter = std::function<void(dataConsole::CCtrl__Base &, const T &)>;

    CChangeValues(CKorvaneDoc &doc, const QString &text, const std::vector<dataConsole::CCtrl__Base *> &controls,
                  Getter get, Setter set, T value, DocChanges kinds = DocChange::kProperties,
                  int mergeId = kMergeNone)
        : CDocCommand(doc, text), m_get(std::move(get)), m_set(std::move(set)), m_value(std::move(value)),
          m_kinds(kinds), m_mergeId(mergeId)
    {
        for (dataConsole::CCtrl__Base *control : controls)
            m_entries.push_back({control, m_get(*control), control->Snapshot()});
    }

    void redo() override
    {
        for (const Entry &entry : m_entries)
            m_set(*entry.control, m_value);
        Announce();
        setObsolete(LeavesAllAsTheyWere());
    }

    void undo() override
    {
        for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
            m_set(*entry->control, entry->before);
            entry->control->Restore(entry->snapshot);
        }
        Announce();
    }

    int id() const override { return m_mergeId; }

    bool mergeWith(const QUndoCommand *other) override
    {
        // The same property (told by the step's text) on the same controls.
        const auto *next = dynamic_cast<const CChangeValues *>(other);
        if (!next || next->text() != text() || next->m_entries.size() != m_entries.size())
            return false;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (next->m_entries[i].control != m_entries[i].control)
                return false;
        }
        m_value = next->m_value;
        setObsolete(LeavesAllAsTheyWere());
        return true;
    }

private:
    struct Entry
    {
        dataConsole::CCtrl__Base *control;
        T before;
        dataConsole::CCtrlSnapshot snapshot;
    };

    void Announce()
    {
        std::vector<dataConsole::CCtrl__Base *> controls;
        for (const Entry &entry : m_entries)
            controls.push_back(entry.control);
        m_doc.Announce(m_kinds, std::move(controls));
    }

    bool LeavesAllAsTheyWere() const
    {
        if constexpr (std::equality_comparable<T>) {
            for (const Entry &entry : m_entries) {
                if (!(m_get(*entry.control) == entry.before) || !(entry.control->Snapshot() == entry.snapshot))
                    return false;
            }
            return true;
        } else {
            return false;
        }
    }

    Getter m_get;
    Setter m_set;
    T m_value;
    DocChanges m_kinds;
    int m_mergeId;
    std::vector<Entry> m_entries;
};

} // namespace korvane
