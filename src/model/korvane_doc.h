// The console document: one console's data with its file, its undo stack, its selection and
// the one signal that announces every change to the views and panes that show it.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

#include "model/console_data.h"
#include "model/midi_dispatch.h"

namespace korvane {

// What a change of a console document touched. Views look at the kinds to know what to draw
// or rebuild again, and at the controls to know where.
enum class DocChange : unsigned {
    kControlsAdded = 1u << 0,
    kControlsRemoved = 1u << 1,
    // rectangles, image offsets, text rectangles
    kGeometry = 1u << 2,
    // look, texts, designs, group membership and every other stored field of a control
    kProperties = 1u << 3,
    // MIDI and DMX bindings with the labels beside them, page by page
    kBindings = 1u << 4,
    // size, grid, colours, background, snapping, and the editing lock
    kConsoleSettings = 1u << 5,
    // the designs controls are drawn with were read again
    kDesignsReloaded = 1u << 6,
    // run-time values (MIDI input, the preview); never in the file
    kValues = 1u << 7,
};
Q_DECLARE_FLAGS(DocChanges, DocChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(DocChanges)

struct CDocChangeEvent
{
    DocChanges kinds;
    // The controls touched; empty when the change concerns the console as a whole.
    std::vector<dataConsole::CCtrl__Base *> controls;
};

// A console document without its windows. It owns the console data; the application owns
// the design library it refers to. Every user edit is a command pushed on UndoStack(), whose
// redo and undo change the console and then call Announce.
class CKorvaneDoc : public QObject
{
    Q_OBJECT

public:
    CKorvaneDoc(const QString &appFolder, const dataConsole::CDesignList *library, QObject *parent = nullptr);
    ~CKorvaneDoc() override;

    // The console. Its commands change it; everyone else reads it.
    dataConsole::CConsoleData &Console() { return m_console; }
    const dataConsole::CConsoleData &Console() const { return m_console; }
    // The console file's path; empty for a console never saved.
    const QString &PathName() const { return m_console.FilePath(); }
    const QString &AppFolder() const { return m_appFolder; }
    // The name the console shows in its tab and the window's title: its file's name, or a
    // name given to a console never saved.
    const QString &Title() const { return m_title; }
    void SetTitle(const QString &title);

    // Modified while the undo stack is away from the state last saved (or opened), or after
    // a change made outside the stack.
    bool IsModified() const { return m_modified || !m_undo.isClean(); }
    void SetModified(bool modified);
    // Every change a user makes goes through this stack.
    QUndoStack &UndoStack() { return m_undo; }
    // Pushes `command` (its redo does the work); nothing for none.
    void Push(std::unique_ptr<QUndoCommand> command);

    // ---- the selection: controls in the order they were picked; the last is the primary
    const std::vector<dataConsole::CCtrl__Base *> &Selection() const { return m_selection; }
    dataConsole::CCtrl__Base *Primary() const { return m_selection.empty() ? nullptr : m_selection.back(); }
    bool IsSelected(const dataConsole::CCtrl__Base *control) const;
    // Replaces the selection (duplicates dropped, the last place kept); announced when it changes.
    void SetSelection(std::vector<dataConsole::CCtrl__Base *> selection);

    // The console lock of the editor (not stored): nothing moves or resizes with the mouse.
    bool IsLocked() const { return m_locked; }
    void SetLocked(bool locked);

    // Reads the console file at `path` into this new document (a missing file gives an empty
    // console of that name). False when the file is refused; the reason has been reported.
    bool Open(const QString &path);
    // Writes the console to `path`. On success the document takes that path and is no longer
    // modified; on failure the file at `path` is as it was and `error` says why.
    bool Save(const QString &path, QString *error = nullptr);
    // Whether saving must first ask for a file: the console has none yet, its file is gone,
    // or the file is read-only.
    bool NeedsSaveAs() const;

    // Plays an incoming MIDI message onto the controls bound to it; true when one matched.
    bool ApplyMidiInput(int command, int channel, int type, int value);
    // Plays a control as the preview does: `play` changes its run-time values, which every view
    // shows and which are no edit of the console (no undo step, not modified).
    void PlayControl(dataConsole::CCtrl__Base &control, const std::function<void(dataConsole::CCtrl__Base &)> &play);
    // The designs of the library or of the console were read again: every control looks its
    // design up again by name and is drawn with the new one. Not an edit of the console.
    void ReloadDesigns();

    // Tells every listener what a command (or the document itself) just changed.
    void Announce(DocChanges kinds, std::vector<dataConsole::CCtrl__Base *> controls = {});

signals:
    void changed(const korvane::CDocChangeEvent &event);
    void selectionChanged();
    void modifiedChanged(bool modified);
    void titleChanged(const QString &title);

private:
    QString m_appFolder;
    dataConsole::CConsoleData m_console;
    QString m_title;
    bool m_modified = false;
    bool m_locked = false;
    std::vector<dataConsole::CCtrl__Base *> m_selection;
    // Rebuilt after any change of the controls or their bindings, so a message visits only
    // the bindings that can match it.
    dataConsole::CMidiIndex m_midiIndex;
    // Last: commands it holds refer to the console and the controls above.
    QUndoStack m_undo;
};

} // namespace korvane
