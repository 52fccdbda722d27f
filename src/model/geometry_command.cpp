// Moves and resizes.
#include "model/geometry_command.h"

#include <algorithm>

namespace korvane {

using dataConsole::CCtrl__Base;

int NewGesture()
{
    static int gestures = 0;
    return ++gestures;
}

CGeometryCommand::CGeometryCommand(CKorvaneDoc &doc, const QString &text, std::vector<Change> changes,
                                   QSize consoleAfter, int mergeId, int gesture)
    : CDocCommand(doc, text), m_changes(std::move(changes)),
      m_consoleBefore(doc.Console().settings.width, doc.Console().settings.height), m_consoleAfter(consoleAfter),
      m_mergeId(mergeId), m_gesture(gesture)
{
}

void CGeometryCommand::Apply(bool after)
{
    std::vector<CCtrl__Base *> controls;
    for (const Change &change : m_changes) {
        change.control->SetGeometry(after ? change.after : change.before);
        controls.push_back(change.control);
    }
    auto &settings = m_doc.Console().settings;
    const QSize size = after ? m_consoleAfter : m_consoleBefore;
    const bool resized = size != QSize(settings.width, settings.height);
    settings.width = size.width();
    settings.height = size.height();
    m_doc.Announce(resized ? DocChange::kGeometry | DocChange::kConsoleSettings : DocChanges(DocChange::kGeometry),
                   std::move(controls));
}

void CGeometryCommand::undo()
{
    Apply(false);
}

void CGeometryCommand::redo()
{
    Apply(true);
    // A step that changes nothing (a click, a drag back to where it began) is none.
    if (IsEmpty())
        setObsolete(true);
}

bool CGeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CGeometryCommand *>(other);
    if (next->m_changes.size() != m_changes.size())
        return false;
    if (m_mergeId == kMergeDrag && next->m_gesture != m_gesture)
        return false;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        if (next->m_changes[i].control != m_changes[i].control)
            return false;
    }
    for (std::size_t i = 0; i < m_changes.size(); ++i)
        m_changes[i].after = next->m_changes[i].after;
    m_consoleAfter = next->m_consoleAfter;
    setObsolete(IsEmpty());
    return true;
}

bool CGeometryCommand::IsEmpty() const
{
    return m_consoleBefore == m_consoleAfter &&
           std::all_of(m_changes.begin(), m_changes.end(), [](const Change &c) { return c.before == c.after; });
}

} // namespace korvane
