// The main window.
#include "editor/main_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/folders.h"
#include "core/file_messages.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "editor/command_table.h"
#include "editor/console_printing.h"
#include "editor/dock_preview.h"
#include "editor/korvane_view.h"
#include "editor/ribbon.h"
#include "editor/save_as_flow.h"
#include "model/arrange.h"
#include "model/korvane_doc.h"
#include "xml/xml_node.h"

namespace korvane {

namespace {

constexpr char kProductTitle[] = "Console Editor";
constexpr float kZoomStep = 0.1f;
// Zoom Out stays available down to 0.2, Zoom In up to 3.9.
constexpr float kZoomOutLimit = 0.2f;
constexpr float kZoomInLimit = 3.9f;
constexpr int kMinimumPaneWidth = 300;
constexpr int kMinimumPaneHeight = 200;

// Shows the file readers' messages to the user while a console opens.
class CMessageBoxSink final : public CFileMessageSink
{
public:
    explicit CMessageBoxSink(QWidget *parent) : m_parent(parent) {}
    void FileMessage(MessageSeverity severity, const QString &file, const QString &caption,
                     const QString &text) override
    {
        const QString message = QStringLiteral("%1\n\n%2").arg(text, QDir::toNativeSeparators(file));
        if (severity == MessageSeverity::Error)
            QMessageBox::critical(m_parent, caption, message);
        else
            QMessageBox::warning(m_parent, caption, message);
        m_reported = true;
    }
    bool Reported() const { return m_reported; }

private:
    QWidget *m_parent;
    bool m_reported = false;
};

QDockWidget *MakePane(QMainWindow *window, const QString &objectName, QWidget *content)
{
    auto *pane = new QDockWidget(window);
    pane->setObjectName(objectName);
    // The panes stay: they can be moved and docked elsewhere, not closed.
    pane->setFeatures(QDockWidget::DockWidgetMovable);
    pane->setMinimumSize(kMinimumPaneWidth, kMinimumPaneHeight);
    pane->setWidget(content);
    return pane;
}

} // namespace

CMainFrame::CMainFrame(QString appFolder, const dataConsole::CDesignList *library, IConsoleFileDialogs *dialogs,
                       IDesignPicker *picker, QWidget *parent)
    : QMainWindow(parent), m_appFolder(std::move(appFolder)), m_library(library), m_dialogs(dialogs),
      m_picker(picker ? picker : &m_ownPicker), m_ribbon(new CRibbon(this)), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("MainFrame"));
    setAcceptDrops(true);
    setMenuWidget(m_ribbon);

    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(true);
    m_tabs->setMovable(true);
    setCentralWidget(m_tabs);

    // The property panel comes with its own work; until then its pane says what will show.
    auto placeholder = [](const QString &text) {
        auto *label = new QLabel(text);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setEnabled(false);
        return label;
    };
    m_preview = MakePane(this, QStringLiteral("Pane121"), m_previewView = new CDockPreview);
    m_properties = MakePane(this, QStringLiteral("Pane120"), placeholder(QStringLiteral("The selected controls")));
    addDockWidget(Qt::BottomDockWidgetArea, m_preview);
    addDockWidget(Qt::RightDockWidgetArea, m_properties);

    ConnectCommands();
    connect(m_tabs, &QTabWidget::currentChanged, this, &CMainFrame::OnActiveViewChanged);
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        CloseConsole(static_cast<CChildFrame *>(m_tabs->widget(index)));
    });
    connect(m_ribbon, &CRibbon::languageChosen, this, &CMainFrame::OnLanguageChosen);

    QList<QPair<int, QString>> languages;
    for (int language = 0; language < kLanguageCommandCount; ++language)
        languages.append({language, Localisation().LanguageName(language)});
    m_ribbon->SetLanguages(languages, Localisation().LanguageGet());

    LoadLayout(CAppFolders(m_appFolder).LayoutFile());
    RefreshTexts();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The views let go of their documents' controls before anything else goes.
    while (m_tabs->count() > 0) {
        QWidget *frame = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete frame;
    }
}

IConsoleFileDialogs &CMainFrame::Dialogs()
{
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<CConsoleFileDialogs>(this, m_appFolder);
        m_dialogs = m_ownDialogs.get();
    }
    return *m_dialogs;
}

CChildFrame *CMainFrame::ActiveFrame() const
{
    return qobject_cast<CChildFrame *>(m_tabs->currentWidget());
}

CKorvaneView *CMainFrame::ActiveView() const
{
    CChildFrame *frame = ActiveFrame();
    return frame ? &frame->View() : nullptr;
}

std::vector<CChildFrame *> CMainFrame::Frames() const
{
    std::vector<CChildFrame *> frames;
    for (int i = 0; i < m_tabs->count(); ++i)
        frames.push_back(static_cast<CChildFrame *>(m_tabs->widget(i)));
    return frames;
}

void CMainFrame::SetRecentFiles(CRecentFileList *recent)
{
    m_recent = recent;
    // The list is read each time the menu opens, so files saved meanwhile are there.
    connect(m_ribbon->SystemMenu(), &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles, Qt::UniqueConnection);
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

void CMainFrame::SetBackgroundImage(const QImage &image)
{
    m_background = image;
    for (CChildFrame *frame : Frames())
        frame->View().Canvas().SetBackgroundImage(m_background.isNull() ? nullptr : &m_background);
}

// ---- consoles

CChildFrame *CMainFrame::AddFrame(std::unique_ptr<CKorvaneDoc> doc, const QString &title)
{
    doc->SetTitle(title);
    auto *frame = new CChildFrame(std::move(doc), m_state, *m_picker);
    CKorvaneView &view = frame->View();
    view.Canvas().SetBackgroundImage(m_background.isNull() ? nullptr : &m_background);
    CKorvaneDoc &document = frame->Document();
    connect(&document.UndoStack(), &QUndoStack::cleanChanged, frame, [this, frame] { UpdateTabTitle(frame); });
    connect(&document.UndoStack(), &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&view.Canvas(), &CCtrlConsole::selectionChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&view.Canvas(), &CCtrlConsole::editStateChanged, this, &CMainFrame::UpdateCommandStates);
    const int index = m_tabs->addTab(frame, title);
    m_tabs->setTabToolTip(index, document.PathName().isEmpty() ? title : QDir::toNativeSeparators(document.PathName()));
    m_tabs->setCurrentIndex(index);
    view.Canvas().setFocus();
    UpdateTitle();
    UpdateCommandStates();
    return frame;
}

CChildFrame *CMainFrame::NewConsole()
{
    auto doc = std::make_unique<CKorvaneDoc>(m_appFolder, m_library);
    return AddFrame(std::move(doc), QStringLiteral("Console%1").arg(++m_untitledCount));
}

CChildFrame *CMainFrame::OpenConsole(const QString &path)
{
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *frame : Frames()) {
        if (QFileInfo(frame->Document().PathName()).absoluteFilePath() == canonical) {
            m_tabs->setCurrentWidget(frame);
            return frame;
        }
    }
    auto doc = std::make_unique<CKorvaneDoc>(m_appFolder, m_library);
    CMessageBoxSink sink(this);
    {
        const CScopedMessageSink installed(&sink);
        if (!doc->Open(canonical, nullptr)) {
            if (!sink.Reported())
                QMessageBox::critical(this, Word(word::kErrorCaption),
                                      QStringLiteral("%1 is not a console file.").arg(QDir::toNativeSeparators(path)));
            return nullptr;
        }
    }
    RememberFile(canonical);
    return AddFrame(std::move(doc), QFileInfo(canonical).fileName());
}

bool CMainFrame::SaveConsole(CChildFrame *frame, bool saveAs)
{
    if (!frame)
        return false;
    CKorvaneDoc &doc = frame->Document();
    QString path = doc.PathName();
    QString title = doc.Title();
    if (saveAs || doc.NeedsSaveAs()) {
        const std::optional<SaveAsTarget> target = RunSaveAsFlow(m_appFolder, doc.Title(), Dialogs());
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
    m_tabs->setTabToolTip(m_tabs->indexOf(frame), QDir::toNativeSeparators(path));
    return true;
}

bool CMainFrame::CloseConsole(CChildFrame *frame)
{
    if (!frame)
        return false;
    if (frame->Document().IsModified()) {
        m_tabs->setCurrentWidget(frame);
        const auto answer = QMessageBox::question(
            this, QString::fromLatin1(kProductTitle),
            QStringLiteral("%1\n\n%2").arg(frame->Document().Title(), Word(word::kSaveChangesPrompt)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Yes && !SaveConsole(frame))
            return false; // nothing is lost: the console stays open and modified
    }
    m_tabs->removeTab(m_tabs->indexOf(frame));
    delete frame;
    UpdateTitle();
    UpdateCommandStates();
    return true;
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

// ---- commands

void CMainFrame::ConnectCommands()
{
    for (QAction *action : m_ribbon->Actions()) {
        const int id = action->data().toInt();
        // The language entries come through the ribbon's languageChosen.
        if (id >= kIdLanguageFirst && id <= kIdLanguageLast)
            continue;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

void CMainFrame::SetPendingKind(int kind)
{
    m_state.pendingKind = kind;
    for (CChildFrame *frame : Frames())
        frame->View().UpdateCursor();
}

void CMainFrame::ChangeZoom(float step)
{
    if (CKorvaneView *view = ActiveView())
        view->SetZoom(view->Zoom() + step);
}

void CMainFrame::RunCommand(int id)
{
    CKorvaneView *view = ActiveView();
    CCtrlConsole *canvas = view ? &view->Canvas() : nullptr;
    using namespace dataConsole;
    auto arrange = [&](const QString &text, auto operation) {
        if (canvas)
            canvas->ArrangeSelection(text, operation);
    };
    const QSize consoleSize = canvas && canvas->Document()
                                  ? QSize(canvas->Document()->Console().settings.width,
                                          canvas->Document()->Console().settings.height)
                                  : QSize();
    if (id >= kIdSelect && id <= kIdCreatePlusMinusGroup) {
        if (canvas)
            SetPendingKind(PendingKindOf(id));
    } else if (id >= kIdLanguageFirst && id <= kIdLanguageLast) {
        OnLanguageChosen(id - kIdLanguageFirst);
    } else {
        switch (id) {
        case kIdFileNew:
            NewConsole();
            break;
        case kIdFileOpen:
            OpenWithDialog();
            break;
        case kIdFileSave:
            SaveConsole(ActiveFrame());
            break;
        case kIdFileSaveAs:
            SaveConsole(ActiveFrame(), true);
            break;
        case kIdExit:
            close();
            break;
        case kIdUndo:
            if (canvas)
                canvas->Document()->UndoStack().undo();
            break;
        case kIdRedo:
            if (canvas)
                canvas->Document()->UndoStack().redo();
            break;
        case kIdZoomOut:
            ChangeZoom(-kZoomStep);
            break;
        case kIdZoomIn:
            ChangeZoom(kZoomStep);
            break;
        case kIdDelete:
            if (canvas && m_state.pendingKind == kPendingNone)
                canvas->DeleteSelection();
            break;
        case kIdCopy:
            if (canvas && m_state.pendingKind == kPendingNone && canvas->Primary())
                m_clipboard = canvas->CopySelection();
            break;
        case kIdPaste:
            if (canvas)
                canvas->Paste(m_clipboard);
            break;
        case kIdSelectAll:
            if (canvas && canvas->Document()) {
                std::vector<CCtrl__Base *> all;
                for (auto &control : canvas->Document()->Console().Controls())
                    all.push_back(control.get());
                canvas->SetSelection(all);
            }
            break;
        case kIdAlignLeft:
            arrange(QStringLiteral("Align left"), [&](const auto &s) { AlignControls(s, AlignEdge::kLeft, consoleSize); });
            break;
        case kIdAlignRight:
            arrange(QStringLiteral("Align right"),
                    [&](const auto &s) { AlignControls(s, AlignEdge::kRight, consoleSize); });
            break;
        case kIdAlignTop:
            arrange(QStringLiteral("Align tops"), [&](const auto &s) { AlignControls(s, AlignEdge::kTop, consoleSize); });
            break;
        case kIdAlignBottom:
            arrange(QStringLiteral("Align bottoms"),
                    [&](const auto &s) { AlignControls(s, AlignEdge::kBottom, consoleSize); });
            break;
        case kIdSpreadVertically:
            arrange(QStringLiteral("Spread vertically"), [](const auto &s) { SpreadControls(s, true); });
            break;
        case kIdSpreadHorizontally:
            arrange(QStringLiteral("Spread horizontally"), [](const auto &s) { SpreadControls(s, false); });
            break;
        case kIdSameHeight:
            arrange(QStringLiteral("Same height"), [](const auto &s) { StandardiseControls(s, SizeFrom::kHeight); });
            break;
        case kIdSameWidth:
            arrange(QStringLiteral("Same width"), [](const auto &s) { StandardiseControls(s, SizeFrom::kWidth); });
            break;
        case kIdSameSize:
            arrange(QStringLiteral("Same size"), [](const auto &s) { StandardiseControls(s, SizeFrom::kBoth); });
            break;
        case kIdSnapToGrid:
            if (canvas)
                canvas->ToggleSnap();
            break;
        case kIdLock:
            if (canvas && canvas->Document()) {
                canvas->Document()->SetLocked(!canvas->Document()->IsLocked());
                canvas->update();
                view->UpdateCursor();
            }
            break;
        case kIdFilePrint:
            if (canvas)
                PrintActiveConsole();
            break;
        case kIdHelp:
            ShowShortcuts();
            break;
        case kIdAbout:
            QMessageBox::about(this, Word(word::kAbout),
                               QStringLiteral("<b>Korvane</b><br>Console editor for on-screen lighting consoles."
                                              "<br>Oct 26 2022"));
            break;
        default:
            break;
        }
    }
    UpdateCommandStates();
}

void CMainFrame::PrintActiveConsole()
{
    CChildFrame *frame = ActiveFrame();
    if (!frame)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(frame->Document().Title());
    printer.setPageOrientation(frame->Document().Console().settings.width >= frame->Document().Console().settings.height
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    // The preview shows the page as it will print, with its own Print button.
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, frame](QPrinter *target) {
        PrintConsole(*target, frame->Document().Console(), m_background.isNull() ? nullptr : &m_background);
    });
    preview.exec();
}

void CMainFrame::ShowShortcuts()
{
    QString rows;
    for (QAction *action : m_ribbon->Actions()) {
        if (action->shortcut().isEmpty())
            continue;
        QString caption = action->text();
        caption.remove(QLatin1Char('&'));
        rows += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;<b>%2</b></td></tr>")
                    .arg(caption.toHtmlEscaped(),
                         action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped());
    }
    QMessageBox::information(this, QString::fromLatin1(kProductTitle),
                             QStringLiteral("<p>Keyboard shortcuts. The arrow keys move the selection by one "
                                            "unit; Shift before a drag draws a selection band; Ctrl+click adds "
                                            "to the selection.</p><table>%1</table>")
                                 .arg(rows));
}

void CMainFrame::UpdateCommandStates()
{
    CKorvaneView *view = ActiveView();
    CCtrlConsole *canvas = view ? &view->Canvas() : nullptr;
    CKorvaneDoc *doc = canvas ? canvas->Document() : nullptr;
    const std::size_t selected = canvas ? canvas->Selection().size() : 0;
    const bool idle = m_state.pendingKind == kPendingNone;
    auto set = [this](int id, bool enabled, std::optional<bool> checked = std::nullopt) {
        if (QAction *action = m_ribbon->Action(id)) {
            action->setEnabled(enabled);
            if (checked)
                action->setChecked(*checked);
        }
    };
    for (int id = kIdSelect; id <= kIdCreatePlusMinusGroup; ++id)
        set(id, doc != nullptr, m_state.pendingKind == PendingKindOf(id));
    set(kIdDelete, doc && idle && canvas->Primary());
    set(kIdCopy, doc && idle && canvas->Primary());
    set(kIdPaste, doc && !m_clipboard.empty());
    set(kIdSelectAll, doc != nullptr);
    set(kIdZoomOut, doc && view->Zoom() >= kZoomOutLimit);
    set(kIdZoomIn, doc && view->Zoom() <= kZoomInLimit);
    for (int id : {kIdAlignLeft, kIdAlignRight, kIdAlignTop, kIdAlignBottom, kIdSameHeight, kIdSameWidth, kIdSameSize})
        set(id, doc && selected >= 2);
    set(kIdSpreadVertically, doc && selected >= 3);
    set(kIdSpreadHorizontally, doc && selected >= 3);
    set(kIdSnapToGrid, doc != nullptr, doc && doc->Console().settings.snapToGrid);
    set(kIdLock, doc != nullptr, doc && doc->IsLocked());
    set(kIdFileSave, doc != nullptr);
    set(kIdFileSaveAs, doc != nullptr);
    set(kIdFilePrint, doc != nullptr);
    // The control design editor is a window of its own, not part of this build yet.
    set(kIdNewDesign, false);
    set(kIdEditDesign, false);
    set(kIdUndo, doc && doc->UndoStack().canUndo());
    set(kIdRedo, doc && doc->UndoStack().canRedo());
    UpdateTitle();
}

void CMainFrame::OnActiveViewChanged()
{
    // A pending placement belongs to no console in particular; the mode does not survive a
    // change of console.
    m_state.mode = kModeIdle;
    if (CKorvaneView *view = ActiveView())
        view->UpdateCursor();
    m_previewView->SetCanvas(ActiveView() ? &ActiveView()->Canvas() : nullptr);
    UpdateCommandStates();
}

void CMainFrame::UpdateTabTitle(CChildFrame *frame)
{
    const int index = m_tabs->indexOf(frame);
    if (index < 0)
        return;
    const CKorvaneDoc &doc = frame->Document();
    m_tabs->setTabText(index, doc.Title() + (doc.IsModified() ? QStringLiteral("*") : QString()));
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    QString title = QString::fromLatin1(kProductTitle);
    if (CChildFrame *frame = ActiveFrame()) {
        const CKorvaneDoc &doc = frame->Document();
        title += QStringLiteral(" - ") + doc.Title() + (doc.IsModified() ? QStringLiteral("*") : QString());
    }
    setWindowTitle(title);
}

void CMainFrame::OnLanguageChosen(int language)
{
    Localisation().LanguageSet(language);
    m_ribbon->SetCurrentLanguage(Localisation().LanguageGet());
    RefreshTexts();
}

void CMainFrame::RefreshTexts()
{
    m_ribbon->RefreshTexts(Localisation());
    m_properties->setWindowTitle(Word(word::kProperties));
    m_preview->setWindowTitle(Word(word::kPreview));
}

// ---- closing, dropping

void CMainFrame::closeEvent(QCloseEvent *event)
{
    for (CChildFrame *frame : Frames()) {
        if (!CloseConsole(frame)) {
            event->ignore();
            return;
        }
    }
    m_clipboard.clear();
    SaveLayout(CAppFolders(m_appFolder).LayoutFile());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            OpenConsole(url.toLocalFile());
    }
    event->acceptProposedAction();
}

// ---- layout

bool CMainFrame::SaveLayout(const QString &path) const
{
    CXmlNode root("DockingPaneLayouts");
    // The panes' placement as the toolkit keeps it, in one attribute.
    root.AddChild("Korvane")->AddAttribute("State", saveState().toBase64().toStdString());
    CXmlNode *position = root.AddChild("PosFrame");
    const QRect frame = normalGeometry().isValid() ? normalGeometry() : geometry();
    position->AddAttributeInt("x", frame.x());
    position->AddAttributeInt("y", frame.y());
    position->AddAttributeInt("cx", frame.width());
    position->AddAttributeInt("cy", frame.height());
    return SaveXmlFile(QFile::encodeName(path).toStdString(), root);
}

bool CMainFrame::LoadLayout(const QString &path)
{
    const std::unique_ptr<CXmlNode> root = LoadXmlFile(QFile::encodeName(path).toStdString());
    if (!root)
        return false;
    bool applied = false;
    if (const CXmlNode *section = root->FindChild("Korvane")) {
        if (const char *state = section->GetAttribute("State"))
            applied = restoreState(QByteArray::fromBase64(QByteArray(state)));
    }
    if (const CXmlNode *position = root->FindChild("PosFrame")) {
        if (position->HasAttribute("x") && position->HasAttribute("y") && position->HasAttribute("cx") &&
            position->HasAttribute("cy"))
            setGeometry(position->GetAttributeInt("x"), position->GetAttributeInt("y"),
                        position->GetAttributeInt("cx"), position->GetAttributeInt("cy"));
    }
    return applied;
}

} // namespace korvane
