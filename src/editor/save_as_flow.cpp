// The save-as flow and the real dialogs behind it.
#include "editor/save_as_flow.h"

#include <QFileInfo>
#include <QMessageBox>

#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "editor/new_file_dlg.h"

namespace korvane {

namespace {

constexpr char kConsoleExtension[] = ".csl2";

// The new-name dialog starts from the title without its extension, the part the user types.
QString ProposedName(const QString &title)
{
    const QLatin1String extension(kConsoleExtension);
    return title.endsWith(extension, Qt::CaseInsensitive) ? title.chopped(extension.size()) : title;
}

} // namespace

std::optional<ConsoleFileChoice> CConsoleFileDialogs::RunOpenDialog(COpenCSL2Dialog::Mode mode,
                                                                    const QString &preselect)
{
    COpenCSL2Dialog dialog(mode, m_appFolder, m_parent);
    dialog.SetFileName(preselect);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ConsoleFileChoice{dialog.FileName(), dialog.ShowName()};
}

std::optional<QString> CConsoleFileDialogs::RunNewFileDialog(const QString &proposed, const QString &extension,
                                                             const QString &folder)
{
    CNewFileDlg dialog(m_parent);
    dialog.SetExtension(extension);
    dialog.SetFolder(folder);
    dialog.SetName(proposed);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}

bool CConsoleFileDialogs::ConfirmReplace(const QString &fileName)
{
    return QMessageBox::question(m_parent, Word(word::kSaveAs),
                                 QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<SaveAsTarget> RunSaveAsFlow(const QString &appFolder, const QString &title,
                                          IConsoleFileDialogs &dialogs, const QString &currentPath)
{
    const std::optional<ConsoleFileChoice> choice = dialogs.RunOpenDialog(COpenCSL2Dialog::Mode::Save, title);
    if (!choice)
        return std::nullopt;
    const QString consoleFolder = CAppFolders(appFolder).ConsoleFolder() + u'/';
    QString fileName = choice->fileName;
    if (fileName.isEmpty()) {
        const std::optional<QString> typed =
            dialogs.RunNewFileDialog(ProposedName(title), QLatin1String(kConsoleExtension), consoleFolder);
        if (!typed)
            return std::nullopt;
        // The extension is what makes the file a console, so it is added whatever was typed.
        fileName = *typed + QLatin1String(kConsoleExtension);
    }
    const QString path = consoleFolder + fileName;
    // Another console's file is replaced only when the user says so.
    const bool ownFile = QFileInfo(path).absoluteFilePath() == QFileInfo(currentPath).absoluteFilePath();
    if (!ownFile && QFileInfo::exists(path) && !dialogs.ConfirmReplace(fileName))
        return std::nullopt;
    return SaveAsTarget{path, fileName};
}

std::optional<SaveAsTarget> RunSaveAsFlow(QWidget *parent, const QString &appFolder, const QString &title)
{
    CConsoleFileDialogs dialogs(parent, appFolder);
    return RunSaveAsFlow(appFolder, title, dialogs);
}

} // namespace korvane
