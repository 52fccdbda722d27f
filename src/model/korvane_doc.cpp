// The console document.
#include "model/korvane_doc.h"

#include <QFileInfo>

#include <algorithm>

#include "model/console_file.h"

namespace korvane {

using dataConsole::CCtrl__Base;

CKorvaneDoc::CKorvaneDoc(const QString &appFolder, const dataConsole::CDesignList *library, QObject *parent)
    : QObject(parent), m_appFolder(appFolder), m_console(library)
{
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this] { emit modifiedChanged(IsModified()); });
}

CKorvaneDoc::~CKorvaneDoc()
{
    // A stack that is not clean says so as it goes: nobody may hear it any more.
    m_undo.blockSignals(true);
    // The commands hold controls taken off the console, which refer to the console's designs:
    // they go before the console.
    m_undo.clear();
}

void CKorvaneDoc::SetTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged(title);
}

void CKorvaneDoc::SetModified(bool modified)
{
    const bool was = IsModified();
    m_modified = modified;
    if (!modified)
        m_undo.setClean();
    if (was != IsModified())
        emit modifiedChanged(IsModified());
}

void CKorvaneDoc::Push(std::unique_ptr<QUndoCommand> command)
{
    if (command)
        m_undo.push(command.release());
}

bool CKorvaneDoc::IsSelected(const CCtrl__Base *control) const
{
    return std::find(m_selection.begin(), m_selection.end(), control) != m_selection.end();
}

void CKorvaneDoc::SetSelection(std::vector<CCtrl__Base *> selection)
{
    // A control picked twice counts where it was picked last.
    std::vector<CCtrl__Base *> unique;
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        if (*it && std::find(unique.begin(), unique.end(), *it) == unique.end())
            unique.insert(unique.begin(), *it);
    }
    if (unique == m_selection)
        return;
    m_selection = std::move(unique);
    emit selectionChanged();
}

void CKorvaneDoc::SetLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    Announce(DocChange::kConsoleSettings);
}

bool CKorvaneDoc::Open(const QString &path)
{
    SetModified(false);
    const bool read = dataConsole::ReadConsoleFile(m_console, path, m_appFolder);
    m_midiIndex.MarkDirty();
    return read;
}

bool CKorvaneDoc::Save(const QString &path, QString *error)
{
    if (!dataConsole::WriteConsoleFile(m_console, path, error))
        return false;
    m_console.SetFilePath(path);
    SetModified(false);
    return true;
}

bool CKorvaneDoc::NeedsSaveAs() const
{
    if (PathName().isEmpty())
        return true;
    const QFileInfo file(PathName());
    // The owner's write bit is the file's read-only attribute, whoever runs the editor.
    return !file.exists() || !file.permissions().testFlag(QFileDevice::WriteOwner) || !file.isWritable();
}

bool CKorvaneDoc::ApplyMidiInput(int command, int channel, int type, int value)
{
    if (!dataConsole::ApplyMidi(m_midiIndex, m_console.Controls(), command, channel, type, value))
        return false;
    Announce(DocChange::kValues);
    return true;
}

void CKorvaneDoc::PlayControl(CCtrl__Base &control, const std::function<void(CCtrl__Base &)> &play)
{
    play(control);
    Announce(DocChange::kValues, {&control});
}

void CKorvaneDoc::ReloadDesigns()
{
    for (const auto &control : m_console.Controls()) {
        QString name = control->DesignName();
        if (name.isEmpty())
            continue;
        // The size stored with the control stays: it is the console's, not the design's.
        const QSize stored = control->StoredImageSize();
        control->SetDesign(m_console.ResolveDesign(name));
        control->SetDesignName(name);
        control->SetImageSize(stored);
    }
    Announce(DocChange::kDesignsReloaded);
}

void CKorvaneDoc::Announce(DocChanges kinds, std::vector<CCtrl__Base *> controls)
{
    if (kinds & (DocChange::kControlsAdded | DocChange::kControlsRemoved | DocChange::kBindings |
                 DocChange::kProperties | DocChange::kDesignsReloaded))
        m_midiIndex.MarkDirty();
    if (kinds & DocChange::kControlsRemoved) {
        // Controls taken off the console leave the selection; a group takes its contents.
        std::vector<CCtrl__Base *> kept;
        for (CCtrl__Base *selected : m_selection) {
            if (std::find(controls.begin(), controls.end(), selected) == controls.end())
                kept.push_back(selected);
        }
        SetSelection(std::move(kept));
    }
    emit changed(CDocChangeEvent{kinds, std::move(controls)});
}

} // namespace korvane
