// Undoable console edits.
#include "editor/console_edit_commands.h"

#include <algorithm>

#include "model/console_data.h"
#include "model/ctrl_bitmap.h"

namespace korvane {

namespace {

// Ids by which the undo stack merges commands of one kind.
constexpr int kNudgeCommandId = 0x4B01;

} // namespace

CCtrlGeometry CCtrlGeometry::Of(const dataConsole::CCtrl__Base &control)
{
    return {control.Rect(), control.ImageOffset(), control.TextRect()};
}

void CCtrlGeometry::ApplyTo(dataConsole::CCtrl__Base &control) const
{
    control.SetRect(rect);
    control.SetImageOffset(imageOffset);
    control.SetTextRect(textRect);
}

CGeometryCommand::CGeometryCommand(Kind kind, dataConsole::CConsoleData &console, std::vector<Change> changes,
                                   QSize consoleBefore, QSize consoleAfter, std::function<void()> changed)
    : m_kind(kind), m_console(console), m_changes(std::move(changes)), m_consoleBefore(consoleBefore),
      m_consoleAfter(consoleAfter), m_changed(std::move(changed))
{
    setText(kind == kNudge ? QStringLiteral("Nudge") : consoleBefore != consoleAfter && m_changes.empty()
                                                         ? QStringLiteral("Resize console")
                                                         : QStringLiteral("Move or resize"));
}

void CGeometryCommand::Apply(bool after)
{
    for (const Change &change : m_changes)
        (after ? change.after : change.before).ApplyTo(*change.control);
    const QSize size = after ? m_consoleAfter : m_consoleBefore;
    m_console.settings.width = size.width();
    m_console.settings.height = size.height();
    if (m_changed)
        m_changed();
}

void CGeometryCommand::undo()
{
    Apply(false);
}

void CGeometryCommand::redo()
{
    Apply(true);
}

int CGeometryCommand::id() const
{
    return m_kind == kNudge ? kNudgeCommandId : -1;
}

bool CGeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CGeometryCommand *>(other);
    // Nudges merge while they move the same controls, so holding an arrow key is one step.
    if (next->m_changes.size() != m_changes.size())
        return false;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        if (next->m_changes[i].control != m_changes[i].control)
            return false;
    }
    for (std::size_t i = 0; i < m_changes.size(); ++i)
        m_changes[i].after = next->m_changes[i].after;
    m_consoleAfter = next->m_consoleAfter;
    return true;
}

bool CGeometryCommand::IsEmpty() const
{
    return m_consoleBefore == m_consoleAfter &&
           std::all_of(m_changes.begin(), m_changes.end(), [](const Change &c) { return c.before == c.after; });
}

// ---- adding

namespace {

template <typename List> std::size_t IndexIn(const List &list, const dataConsole::CCtrl__Base *control)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto &entry) { return entry.get() == control; });
    return std::size_t(found - list.begin());
}

} // namespace

CAddControlCommand::CAddControlCommand(dataConsole::CConsoleData &console, dataConsole::CCtrl__Base *control,
                                       std::function<void(dataConsole::CCtrl__Base *)> changed)
    : m_console(console), m_control(control), m_isPicture(control->Kind() == dataConsole::kCtrlBitmap),
      m_changed(std::move(changed))
{
    setText(QStringLiteral("Place control"));
    m_index = m_isPicture ? IndexIn(console.Pictures(), control) : IndexIn(console.Controls(), control);
}

void CAddControlCommand::undo()
{
    if (m_isPicture) {
        auto &list = m_console.Pictures();
        const auto at = list.begin() + std::ptrdiff_t(IndexIn(list, m_control));
        m_held = std::move(*at);
        list.erase(at);
    } else {
        auto &list = m_console.Controls();
        const auto at = list.begin() + std::ptrdiff_t(IndexIn(list, m_control));
        m_held = std::move(*at);
        list.erase(at);
    }
    if (m_changed)
        m_changed(m_control);
}

void CAddControlCommand::redo()
{
    // The first redo comes as the command is pushed, with the control already placed.
    if (!m_held)
        return;
    if (m_isPicture) {
        auto &list = m_console.Pictures();
        std::unique_ptr<dataConsole::CCtrl_Bitmap> picture(static_cast<dataConsole::CCtrl_Bitmap *>(m_held.release()));
        list.insert(list.begin() + std::ptrdiff_t(std::min(m_index, list.size())), std::move(picture));
    } else {
        auto &list = m_console.Controls();
        list.insert(list.begin() + std::ptrdiff_t(std::min(m_index, list.size())), std::move(m_held));
    }
    if (m_changed)
        m_changed(nullptr);
}

} // namespace korvane
