// Undoable console edits.
#include "editor/console_edit_commands.h"

#include <algorithm>
#include <utility>

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

CGeometryCommand::CGeometryCommand(Kind kind, const QString &text, dataConsole::CConsoleData &console,
                                   std::vector<Change> changes,
                                   QSize consoleBefore, QSize consoleAfter, std::function<void()> changed)
    : m_kind(kind), m_console(console), m_changes(std::move(changes)), m_consoleBefore(consoleBefore),
      m_consoleAfter(consoleAfter), m_changed(std::move(changed))
{
    setText(text);
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

// ---- adding and removing

namespace {

template <typename List> std::size_t IndexIn(const List &list, const dataConsole::CCtrl__Base *control)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto &entry) { return entry.get() == control; });
    return std::size_t(found - list.begin());
}

} // namespace

bool IsOnConsole(const dataConsole::CConsoleData &console, const dataConsole::CCtrl__Base *control)
{
    return IndexIn(console.Controls(), control) < console.Controls().size() ||
           IndexIn(console.Pictures(), control) < console.Pictures().size();
}

CControlListCommand::CControlListCommand(Action action, dataConsole::CConsoleData &console,
                                         const std::vector<dataConsole::CCtrl__Base *> &controls, const QString &text,
                                         std::function<void()> changed)
    : m_action(action), m_console(console), m_changed(std::move(changed))
{
    setText(text);
    for (dataConsole::CCtrl__Base *control : controls) {
        const bool picture = control->Kind() == dataConsole::kCtrlBitmap &&
                             IndexIn(console.Pictures(), control) < console.Pictures().size();
        const std::size_t index = picture ? IndexIn(console.Pictures(), control) : IndexIn(console.Controls(), control);
        m_entries.push_back({control, picture, index, nullptr});
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
        return a.picture != b.picture ? a.picture < b.picture : a.index < b.index;
    });
}

CControlListCommand::~CControlListCommand() = default;

void CControlListCommand::Take()
{
    // From the end, so the indexes still to take stay right.
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (entry->picture) {
            auto &list = m_console.Pictures();
            entry->held = std::move(list[entry->index]);
            list.erase(list.begin() + std::ptrdiff_t(entry->index));
        } else {
            auto &list = m_console.Controls();
            entry->held = std::move(list[entry->index]);
            list.erase(list.begin() + std::ptrdiff_t(entry->index));
        }
    }
}

void CControlListCommand::Insert()
{
    for (Entry &entry : m_entries) {
        if (entry.picture) {
            auto &list = m_console.Pictures();
            std::unique_ptr<dataConsole::CCtrl_Bitmap> picture(
                static_cast<dataConsole::CCtrl_Bitmap *>(entry.held.release()));
            list.insert(list.begin() + std::ptrdiff_t(std::min(entry.index, list.size())), std::move(picture));
        } else {
            auto &list = m_console.Controls();
            list.insert(list.begin() + std::ptrdiff_t(std::min(entry.index, list.size())), std::move(entry.held));
        }
    }
}

void CControlListCommand::redo()
{
    const bool first = std::exchange(m_first, false);
    if (m_action == kAdd) {
        if (!first)
            Insert();
    } else {
        Take();
    }
    if (m_changed)
        m_changed();
}

void CControlListCommand::undo()
{
    if (m_action == kAdd)
        Take();
    else
        Insert();
    if (m_changed)
        m_changed();
}

} // namespace korvane
