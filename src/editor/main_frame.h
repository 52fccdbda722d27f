// The editor's main window: the ribbon, one tab per open console, the property and preview
// panes, the editing commands on the active console, the window layout in Korvane.lay, and
// the questions before a modified console is closed. Its command states follow the active
// document's announcements.
#pragma once

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "design/design_list.h"
#include "editor/design_picker.h"
#include "editor/edit_state.h"
#include "model/edit_operations.h"

class QDockWidget;
class QStackedWidget;
class QTabWidget;

namespace korvane {

class CChildFrame;
class CDockPreview;
class CDockProperties;
class CKorvaneDoc;
class CKorvaneView;
class CRecentFileList;
class CRibbon;
class CWelcomePane;
class IConsoleFileDialogs;
struct CDocChangeEvent;

// The editor's name in its title bar and its questions.
inline constexpr char kProductTitle[] = "Console Editor";

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // `library` is the application's design library; `dialogs` and `picker` answer the file
    // and design questions (the real dialogs unless tests give their own).
    CMainFrame(QString appFolder, const dataConsole::CDesignList *library, IConsoleFileDialogs *dialogs = nullptr,
               IDesignPicker *picker = nullptr, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CRibbon &Ribbon() { return *m_ribbon; }
    CEditState &EditState() { return m_state; }
    QTabWidget &Tabs() { return *m_tabs; }
    // What shows while no console is open.
    CWelcomePane &Welcome() { return *m_welcome; }
    QDockWidget &PropertiesPane() { return *m_properties; }
    QDockWidget &PreviewPane() { return *m_preview; }
    CDockPreview &Preview() { return *m_previewView; }
    CDockProperties &Properties() { return *m_propertiesView; }
    const QString &AppFolder() const { return m_appFolder; }

    CChildFrame *ActiveFrame() const;
    CKorvaneView *ActiveView() const;
    // The document of the active console, or none.
    CKorvaneDoc *ActiveDocument() const;
    std::vector<CChildFrame *> Frames() const;

    // ---- consoles
    CChildFrame *NewConsole();
    // Shows a console made elsewhere (a recovered copy) in a tab of its own.
    CChildFrame *AddConsole(std::unique_ptr<CKorvaneDoc> doc);
    // Opens the console file at `path` in a new tab (or shows the tab that has it). Null,
    // after telling the user why, when the file is refused. Without `waitForTheUser` the
    // messages show without blocking (a console handed over by another start of the program
    // is answered at once); `refusal` receives why the file was refused.
    CChildFrame *OpenConsole(const QString &path, bool waitForTheUser = true, QString *refusal = nullptr);
    // Saves the console, asking where first when it has no usable file (or `saveAs`). False
    // when the user cancelled or the write failed (the user has been told why).
    bool SaveConsole(CChildFrame *frame, bool saveAs = false);
    // Closes the console's tab, first asking whether to save it when it is modified. False
    // when the user cancelled or the save failed: the console stays open.
    bool CloseConsole(CChildFrame *frame);

    // Runs command `id` as the ribbon would, then brings the commands' states up to date.
    void RunCommand(int id);
    // Availability and check marks of every command, from the active console.
    void UpdateCommandStates();
    // Every caption in the interface language now selected.
    void RefreshTexts();
    // Selects interface language `language` (the Language popup and the command line do).
    void SelectLanguage(int language);
    // The recent consoles shown at the end of the system menu; none without.
    void SetRecentFiles(CRecentFileList *recent);
    // The default background image of the consoles (the application's, shared).
    void SetBackgroundImage(const QImage &image);

    // ---- Korvane.lay: the panes' placement (section "Korvane") and the window's rectangle
    bool SaveLayout(const QString &path) const;
    bool LoadLayout(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    CChildFrame *AddFrame(std::unique_ptr<CKorvaneDoc> doc, const QString &title);
    // Asks whether to save a modified console and saves it when told to; false when the user
    // cancelled or the save failed.
    bool SaveIfTheUserWants(CChildFrame *frame);
    void RemoveFrame(CChildFrame *frame);
    void ListenTo(CChildFrame *frame);
    void OnDocumentChanged(CKorvaneDoc *doc, const CDocChangeEvent &event);
    void InstallCommandHandlers();
    void ConnectCommands();
    void SetPendingKind(int kind);
    void ChangeZoom(float step);
    // Runs `make` on the active document and pushes the command it makes, if any.
    void PushOnActive(const std::function<std::unique_ptr<QUndoCommand>(CKorvaneDoc &)> &make);
    void Paste();
    void SelectAll();
    void ToggleLock();
    void OpenWithDialog();
    // Shows the print preview of the active console, from which it prints.
    void PrintActiveConsole();
    // Lists every command that has a keyboard shortcut.
    void ShowShortcuts();
    void ShowAbout();
    void RememberFile(const QString &path);
    void FillRecentFiles();
    void UpdateTitle();
    void UpdateTabTitle(CChildFrame *frame);
    void OnActiveViewChanged();
    // With no saved layout: most of the screen, centred.
    void PlaceOnScreen();
    void ShowWelcomeOrTabs();
    IConsoleFileDialogs &Dialogs();

    QString m_appFolder;
    const dataConsole::CDesignList *m_library;
    std::unique_ptr<IConsoleFileDialogs> m_ownDialogs;
    IConsoleFileDialogs *m_dialogs;
    CListDesignPicker m_ownPicker;
    IDesignPicker *m_picker;
    CEditState m_state;
    CRibbon *m_ribbon;
    QTabWidget *m_tabs;
    CWelcomePane *m_welcome;
    QStackedWidget *m_centre;
    QDockWidget *m_properties;
    QDockWidget *m_preview;
    CDockPreview *m_previewView;
    CDockProperties *m_propertiesView;
    // What each command does, by command number: one table instead of a switch.
    std::unordered_map<int, std::function<void()>> m_handlers;
    CControlClipboard m_clipboard;
    QImage m_background;
    int m_untitledCount = 0;
    CRecentFileList *m_recent = nullptr;
    QList<QAction *> m_recentActions;
};

} // namespace korvane
