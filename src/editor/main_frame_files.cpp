// The main window's consoles: new, opened, saved and closed, each in a tab of its own, and
// the list of recent consoles.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QUndoStack>

#include "core/file_messages.h"
#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "editor/dock_preview.h"
#include "editor/korvane_view.h"
#include "editor/main_frame.h"
#include "editor/ribbon.h"
#include "editor/save_as_flow.h"
#include "model/korvane_doc.h"

namespace korvane {

namespace {

// Keeps what the file readers say while a console is read, to be shown once it is read.
class CCollectingSink final : public CFileMessageSink
{
public:
    struct Message
    {
        MessageSeverity severity;
        QString caption;
        QString text;
        QString file;
    };
    void FileMessage(MessageSeverity severity, const QString &file, const QString &caption,
                     const QString &text) override
    {
        messages.push_back({severity, caption, text, QDir::toNativeSeparators(file)});
    }
    std::vector<Message> messages;
};

} // namespace

CChildFrame *CMainFrame::AddFrame(std::unique_ptr<CKorvaneDoc> doc, const QString &title)
{
    doc->SetTitle(title);
    auto *frame = new CChildFrame(std::move(doc), m_state, *m_picker);
    frame->View().Canvas().SetBackgroundImage(m_background.isNull() ? nullptr : &m_background);
    ListenTo(frame);
    const int index = m_tabs->addTab(frame, title);
    m_tabs->setCurrentIndex(index);
    UpdateTabTitle(frame);
    frame->View().Canvas().setFocus();
    UpdateCommandStates();
    return frame;
}

void CMainFrame::ListenTo(CChildFrame *frame)
{
    CKorvaneDoc *doc = &frame->Document();
    connect(doc, &CKorvaneDoc::modifiedChanged, frame, [this, frame] { UpdateTabTitle(frame); });
    connect(doc, &CKorvaneDoc::titleChanged, frame, [this, frame] { UpdateTabTitle(frame); });
    connect(doc, &CKorvaneDoc::changed, frame,
            [this, doc](const CDocChangeEvent &event) { OnDocumentChanged(doc, event); });
    connect(doc, &CKorvaneDoc::selectionChanged, frame, [this, doc] {
        if (doc == ActiveDocument())
            UpdateCommandStates();
    });
    connect(&doc->UndoStack(), &QUndoStack::indexChanged, frame, [this, doc] {
        if (doc == ActiveDocument())
            UpdateCommandStates();
    });
    connect(&frame->View().Canvas(), &CCtrlConsole::editStateChanged, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::OnDocumentChanged(CKorvaneDoc *doc, const CDocChangeEvent &event)
{
    // Values a MIDI surface plays change no command: hundreds a second cost nothing here.
    if (doc == ActiveDocument() && event.kinds != DocChanges(DocChange::kValues))
        UpdateCommandStates();
}

CChildFrame *CMainFrame::AddConsole(std::unique_ptr<CKorvaneDoc> doc)
{
    const QString title = doc->Title();
    return AddFrame(std::move(doc), title);
}

CChildFrame *CMainFrame::NewConsole()
{
    auto doc = std::make_unique<CKorvaneDoc>(m_appFolder, m_library);
    return AddFrame(std::move(doc), QStringLiteral("Console%1").arg(++m_untitledCount));
}

CChildFrame *CMainFrame::OpenConsole(const QString &path, bool waitForTheUser, QString *refusal)
{
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *frame : Frames()) {
        if (QFileInfo(frame->Document().PathName()).absoluteFilePath() == canonical) {
            m_tabs->setCurrentWidget(frame);
            return frame;
        }
    }
    auto doc = std::make_unique<CKorvaneDoc>(m_appFolder, m_library);
    CCollectingSink sink;
    bool opened;
    {
        const CScopedMessageSink installed(&sink);
        opened = doc->Open(canonical);
    }
    if (!opened && sink.messages.empty())
        sink.messages.push_back({MessageSeverity::Error, Word(word::kErrorCaption),
                                 QStringLiteral("It is not a console file."), QDir::toNativeSeparators(path)});
    CChildFrame *frame = nullptr;
    if (opened) {
        RememberFile(canonical);
        frame = AddFrame(std::move(doc), QFileInfo(canonical).fileName());
    } else if (refusal) {
        *refusal = QStringLiteral("%1: %2").arg(sink.messages.back().file, sink.messages.back().text);
    }
    for (const CCollectingSink::Message &message : sink.messages) {
        const auto icon = message.severity == MessageSeverity::Error ? QMessageBox::Critical : QMessageBox::Warning;
        auto *box = new QMessageBox(icon, message.caption, QStringLiteral("%1\n\n%2").arg(message.text, message.file),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        // A console handed over by another start is answered before anything is shown.
        if (waitForTheUser)
            box->exec();
        else
            box->open();
    }
    return frame;
}

bool CMainFrame::SaveConsole(CChildFrame *frame, bool saveAs)
{
    if (!frame)
        return false;
    CKorvaneDoc &doc = frame->Document();
    QString path = doc.PathName();
    QString title = doc.Title();
    if (saveAs || doc.NeedsSaveAs()) {
        const std::optional<SaveAsTarget> target = RunSaveAsFlow(m_appFolder, doc.Title(), Dialogs(), doc.PathName());
        if (!target)
            return false;
        path = target->path;
        title = target->title;
    }
    QString error;
    if (!doc.Save(path, &error)) {
        QMessageBox::critical(this, Word(word::kErrorCaption),
                              QStringLiteral("The console could not be saved to %1:\n%2")
                                  .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    doc.SetTitle(title);
    RememberFile(path);
    UpdateTabTitle(frame);
    return true;
}

bool CMainFrame::SaveIfTheUserWants(CChildFrame *frame)
{
    if (!frame->Document().IsModified())
        return true;
    m_tabs->setCurrentWidget(frame);
    const auto answer = QMessageBox::question(
        this, QString::fromLatin1(kProductTitle),
        QStringLiteral("%1\n\n%2").arg(frame->Document().Title(), Word(word::kSaveChangesPrompt)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    // A failed save keeps the console open and modified: nothing is lost.
    return answer == QMessageBox::No || SaveConsole(frame);
}

bool CMainFrame::CloseConsole(CChildFrame *frame)
{
    if (!frame || !SaveIfTheUserWants(frame))
        return false;
    RemoveFrame(frame);
    return true;
}

void CMainFrame::RemoveFrame(CChildFrame *frame)
{
    if (&frame->Document() == m_previewView->Document())
        m_previewView->SetDocument(nullptr);
    m_tabs->removeTab(m_tabs->indexOf(frame));
    delete frame;
    UpdateTitle();
    UpdateCommandStates();
}

void CMainFrame::OpenWithDialog()
{
    const std::optional<ConsoleFileChoice> choice = Dialogs().RunOpenDialog(COpenCSL2Dialog::Mode::Open, QString());
    if (!choice || choice->fileName.isEmpty())
        return;
    const CAppFolders folders(m_appFolder);
    const QString folder =
        choice->showName.isEmpty() ? folders.ConsoleFolder() : folders.ShowConsoleFolder(choice->showName);
    OpenConsole(ResolvePathNoCase(folder, choice->fileName));
}

// ---- recent consoles

void CMainFrame::SetRecentFiles(CRecentFileList *recent)
{
    m_recent = recent;
    // The list is read each time the menu opens, so files saved meanwhile are there.
    connect(m_ribbon->SystemMenu(), &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles, Qt::UniqueConnection);
    ShowWelcomeOrTabs();
}

void CMainFrame::RememberFile(const QString &path)
{
    if (m_recent)
        m_recent->Add(path);
}

void CMainFrame::FillRecentFiles()
{
    QMenu *menu = m_ribbon->SystemMenu();
    for (QAction *action : m_recentActions) {
        menu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    if (!m_recent || m_recent->Files().isEmpty())
        return;
    m_recentActions.append(menu->addSeparator());
    int number = 0;
    for (const QString &path : m_recent->Files()) {
        QAction *action = menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!OpenConsole(path) && m_recent)
                m_recent->Remove(path);
        });
        m_recentActions.append(action);
    }
}

} // namespace korvane
