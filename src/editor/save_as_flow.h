// Choosing where a console without a usable file is saved: the console file dialog, then the
// new-name dialog when the user asks for a new file.
#pragma once

#include <QString>

#include <optional>

#include "editor/open_csl2_dialog.h"

class QWidget;

namespace korvane {

// What the console file dialog returned on OK.
struct ConsoleFileChoice
{
    QString fileName; // with its extension; empty when "New" was pressed
    QString showName; // the show folder holding the file; empty for the console folder
};

// The two console file dialogs as the editor runs them, so that the main window runs the
// real ones and tests answer them. Each returns nothing when the user cancels.
class IConsoleFileDialogs
{
public:
    virtual ~IConsoleFileDialogs() = default;
    virtual std::optional<ConsoleFileChoice> RunOpenDialog(COpenCSL2Dialog::Mode mode, const QString &preselect) = 0;
    // The typed name, without the extension.
    virtual std::optional<QString> RunNewFileDialog(const QString &proposed, const QString &extension,
                                                    const QString &folder) = 0;
    // Whether the existing console `fileName` may be replaced.
    virtual bool ConfirmReplace(const QString &fileName) = 0;
};

// Runs the real dialogs modally over `parent`, listing the consoles of `appFolder`.
class CConsoleFileDialogs : public IConsoleFileDialogs
{
public:
    CConsoleFileDialogs(QWidget *parent, QString appFolder) : m_parent(parent), m_appFolder(std::move(appFolder)) {}
    std::optional<ConsoleFileChoice> RunOpenDialog(COpenCSL2Dialog::Mode mode, const QString &preselect) override;
    std::optional<QString> RunNewFileDialog(const QString &proposed, const QString &extension,
                                            const QString &folder) override;
    bool ConfirmReplace(const QString &fileName) override;

private:
    QWidget *m_parent;
    QString m_appFolder;
};

// Where a console saved as a new file goes, and the document's title after it.
struct SaveAsTarget
{
    QString path;  // the full path of the file to write, always in the console folder
    QString title; // the file name, with its extension
};

// Asks where to save a console titled `title` whose file is `currentPath` (empty for none). A
// name chosen from the list (or the title, kept as preselected) is used as it is, once the user
// agrees to replace that file when it is another console's; a new name is always given the
// console extension, even when it already ends with it. The console always goes to the console
// folder, whatever show the chosen file came from. Nothing is written: the caller saves to the
// path. Nothing is returned when the user cancels a dialog or keeps the file chosen.
std::optional<SaveAsTarget> RunSaveAsFlow(const QString &appFolder, const QString &title,
                                          IConsoleFileDialogs &dialogs, const QString &currentPath = QString());
// The same with the real dialogs over `parent`.
std::optional<SaveAsTarget> RunSaveAsFlow(QWidget *parent, const QString &appFolder, const QString &title);

} // namespace korvane
