// Bindings, designs and console settings.
#include "model/property_commands.h"

#include "model/ctrl_base.h"

namespace korvane {

using dataConsole::CCtrl__Base;

// ---- bindings

CBindingCommand::CBindingCommand(CKorvaneDoc &doc, const QString &text, const std::vector<CCtrl__Base *> &controls,
                                 std::optional<int> page, Edit edit)
    : CDocCommand(doc, text), m_controls(controls), m_page(page), m_edit(std::move(edit))
{
    for (const CCtrl__Base *control : controls)
        m_before.push_back(control->Bindings());
}

void CBindingCommand::redo()
{
    bool changed = false;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        dataConsole::CBindingSets &sets = m_controls[i]->Bindings();
        sets = m_before[i];
        for (int page = 0; page < sets.Count(); ++page) {
            if (!m_page || *m_page == page)
                m_edit(sets[page]);
        }
        changed = changed || !(sets == m_before[i]);
    }
    Announce();
    setObsolete(!changed);
}

void CBindingCommand::undo()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        m_controls[i]->Bindings() = m_before[i];
    Announce();
}

void CBindingCommand::Announce()
{
    m_doc.Announce(DocChange::kBindings, m_controls);
}

// ---- designs

CDesignCommand::CDesignCommand(CKorvaneDoc &doc, const QString &text, const std::vector<CCtrl__Base *> &controls,
                               std::optional<QString> name, bool fit)
    : CDocCommand(doc, text), m_name(std::move(name)), m_fit(fit)
{
    for (CCtrl__Base *control : controls)
        m_before.push_back(StateOf(control));
}

CDesignCommand::Entry CDesignCommand::StateOf(CCtrl__Base *control)
{
    return {control, control->Design(), control->DesignName(), control->Snapshot()};
}

void CDesignCommand::redo()
{
    bool changed = false;
    for (const Entry &before : m_before) {
        CCtrl__Base &control = *before.control;
        QString name = m_name ? *m_name : before.name;
        control.SetDesign(name.isEmpty() ? nullptr : m_doc.Console().ResolveDesign(name));
        control.SetDesignName(name);
        if (m_fit) {
            control.SetWidth(control.Rect().width(), true);
            control.SetHeight(control.Rect().height(), true);
        }
        changed = changed || !(StateOf(&control) == before);
    }
    Announce();
    setObsolete(!changed);
}

void CDesignCommand::undo()
{
    for (auto before = m_before.rbegin(); before != m_before.rend(); ++before) {
        before->control->SetDesign(before->design);
        before->control->SetDesignName(before->name);
        before->control->Restore(before->snapshot);
    }
    Announce();
}

void CDesignCommand::Announce()
{
    std::vector<CCtrl__Base *> controls;
    for (const Entry &entry : m_before)
        controls.push_back(entry.control);
    // A group's pages follow its design: its bindings may have grown.
    m_doc.Announce(DocChange::kProperties | DocChange::kGeometry | DocChange::kBindings, std::move(controls));
}

// ---- console settings

CConsoleSettingsCommand::CConsoleSettingsCommand(CKorvaneDoc &doc, const QString &text,
                                                 const dataConsole::CConsoleSettings &after, int mergeId)
    : CDocCommand(doc, text), m_before(doc.Console().settings), m_after(after), m_mergeId(mergeId)
{
}

void CConsoleSettingsCommand::Apply(const dataConsole::CConsoleSettings &settings)
{
    m_doc.Console().settings = settings;
    m_doc.Announce(DocChange::kConsoleSettings);
}

void CConsoleSettingsCommand::redo()
{
    Apply(m_after);
    setObsolete(m_after == m_before);
}

void CConsoleSettingsCommand::undo()
{
    Apply(m_before);
}

bool CConsoleSettingsCommand::mergeWith(const QUndoCommand *other)
{
    m_after = static_cast<const CConsoleSettingsCommand *>(other)->m_after;
    setObsolete(m_after == m_before);
    return true;
}

} // namespace korvane
