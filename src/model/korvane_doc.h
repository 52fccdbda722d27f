// The console document: one console's data with its file and modified state.
#pragma once

#include <QString>
#include <QUndoStack>

#include "model/console_data.h"

namespace dataConsole {
class CCtrlHost;
}

namespace korvane {

// A console document without its windows. It owns the console data; the application owns
// the design library it refers to.
class CKorvaneDoc
{
public:
    CKorvaneDoc(const QString &appFolder, const dataConsole::CDesignList *library);

    dataConsole::CConsoleData &Console() { return m_console; }
    const dataConsole::CConsoleData &Console() const { return m_console; }
    // The console file's path; empty for a console never saved.
    const QString &PathName() const { return m_console.FilePath(); }
    const QString &AppFolder() const { return m_appFolder; }
    // The name the console shows in its tab and the window's title: its file's name, or a
    // name given to a console never saved.
    const QString &Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }

    // Modified while the undo stack is away from the state last saved (or opened), or after
    // a change made outside the stack.
    bool IsModified() const { return m_modified || !m_undo.isClean(); }
    void SetModified(bool modified);
    // Every change a user makes goes through this stack.
    QUndoStack &UndoStack() { return m_undo; }

    // The console lock of the editor (not stored): nothing moves or resizes with the mouse.
    bool IsLocked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    // Reads the console file at `path` into this new document (a missing file gives an empty
    // console of that name). False when the file is refused; the reason has been reported.
    bool Open(const QString &path, dataConsole::CCtrlHost *host);
    // Writes the console to `path`. On success the document takes that path and is no longer
    // modified; on failure the file at `path` is as it was and `error` says why.
    bool Save(const QString &path, QString *error = nullptr);
    // Whether saving must first ask for a file: the console has none yet, its file is gone,
    // or the file is read-only.
    bool NeedsSaveAs() const;

private:
    QString m_appFolder;
    dataConsole::CConsoleData m_console;
    QString m_title;
    bool m_modified = false;
    bool m_locked = false;
    QUndoStack m_undo;
};

} // namespace korvane
