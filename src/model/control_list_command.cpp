// Adding and removing controls.
#include "model/control_list_command.h"

#include <algorithm>

#include "model/console_data.h"
#include "model/ctrl_bitmap.h"

namespace korvane {

using dataConsole::CCtrl__Base;

namespace {

template <typename List> std::size_t IndexIn(const List &list, const CCtrl__Base *control)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto &entry) { return entry.get() == control; });
    return std::size_t(found - list.begin());
}

} // namespace

CControlListCommand::CControlListCommand(CKorvaneDoc &doc, const QString &text,
                                         std::vector<std::unique_ptr<CCtrl__Base>> controls)
    : CDocCommand(doc, text), m_adds(true)
{
    std::size_t nextControl = doc.Console().Controls().size();
    std::size_t nextPicture = doc.Console().Pictures().size();
    for (std::unique_ptr<CCtrl__Base> &control : controls) {
        const bool picture = control->Kind() == dataConsole::kCtrlBitmap;
        const std::size_t index = picture ? nextPicture++ : nextControl++;
        m_controls.push_back(control.get());
        m_entries.push_back({control.get(), picture, index, std::move(control)});
    }
    SortEntries();
}

CControlListCommand::CControlListCommand(CKorvaneDoc &doc, const QString &text,
                                         const std::vector<CCtrl__Base *> &controls)
    : CDocCommand(doc, text), m_adds(false), m_controls(controls)
{
    const dataConsole::CConsoleData &console = doc.Console();
    for (CCtrl__Base *control : controls) {
        const std::size_t inPictures = IndexIn(console.Pictures(), control);
        const bool picture = inPictures < console.Pictures().size();
        m_entries.push_back({control, picture, picture ? inPictures : IndexIn(console.Controls(), control), nullptr});
    }
    SortEntries();
}

CControlListCommand::~CControlListCommand() = default;

void CControlListCommand::SortEntries()
{
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
        return a.picture != b.picture ? a.picture < b.picture : a.index < b.index;
    });
}

void CControlListCommand::Take()
{
    dataConsole::CConsoleData &console = m_doc.Console();
    // From the end, so the indexes still to take stay right.
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (entry->picture) {
            auto &list = console.Pictures();
            if (entry->index >= list.size())
                continue;
            entry->held = std::move(list[entry->index]);
            list.erase(list.begin() + std::ptrdiff_t(entry->index));
        } else {
            auto &list = console.Controls();
            if (entry->index >= list.size())
                continue;
            entry->held = std::move(list[entry->index]);
            list.erase(list.begin() + std::ptrdiff_t(entry->index));
        }
    }
    m_doc.Announce(DocChange::kControlsRemoved, m_controls);
}

void CControlListCommand::Insert()
{
    dataConsole::CConsoleData &console = m_doc.Console();
    for (Entry &entry : m_entries) {
        if (!entry.held)
            continue;
        if (entry.picture) {
            auto &list = console.Pictures();
            std::unique_ptr<dataConsole::CCtrl_Bitmap> picture(
                static_cast<dataConsole::CCtrl_Bitmap *>(entry.held.release()));
            list.insert(list.begin() + std::ptrdiff_t(std::min(entry.index, list.size())), std::move(picture));
        } else {
            auto &list = console.Controls();
            list.insert(list.begin() + std::ptrdiff_t(std::min(entry.index, list.size())), std::move(entry.held));
        }
    }
    m_doc.Announce(DocChange::kControlsAdded, m_controls);
}

void CControlListCommand::redo()
{
    if (m_adds)
        Insert();
    else
        Take();
}

void CControlListCommand::undo()
{
    if (m_adds)
        Take();
    else
        Insert();
}

} // namespace korvane
