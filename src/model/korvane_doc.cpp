// The console document's data side.
#include "model/korvane_doc.h"

#include <QFileInfo>

#include "model/console_file.h"

namespace korvane {

CKorvaneDoc::CKorvaneDoc(const QString &appFolder, const dataConsole::CDesignList *library)
    : m_appFolder(appFolder), m_console(library)
{
}

void CKorvaneDoc::SetModified(bool modified)
{
    m_modified = modified;
    if (!modified)
        m_undo.setClean();
}

bool CKorvaneDoc::Open(const QString &path, dataConsole::CCtrlHost *host)
{
    SetModified(false);
    return dataConsole::ReadConsoleFile(m_console, path, m_appFolder, host);
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

} // namespace korvane
