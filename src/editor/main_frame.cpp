// The main window: its panes and tabs, the active console, titles, language, layout, closing
// and dropped files. Consoles are opened and saved in main_frame_files.cpp, commands run in
// main_frame_commands.cpp.
#include "editor/main_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>

#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "editor/dock_preview.h"
#include "editor/korvane_view.h"
#include "editor/ribbon.h"
#include "editor/save_as_flow.h"
#include "editor/welcome_pane.h"
#include "properties/dock_properties.h"
#include "model/korvane_doc.h"
#include "xml/xml_node.h"

namespace korvane {

namespace {

constexpr int kMinimumPaneWidth = 300;
constexpr int kMinimumPaneHeight = 200;
constexpr int kPropertiesPaneWidth = 380;
// The share of the screen a first window takes, before the user gives it a size of their own.
constexpr double kFirstWindowShare = 0.85;

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
      m_picker(picker ? picker : &m_ownPicker), m_ribbon(new CRibbon(this)), m_tabs(new QTabWidget),
      m_welcome(new CWelcomePane), m_centre(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("MainFrame"));
    setAcceptDrops(true);
    setMenuWidget(m_ribbon);

    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(true);
    m_tabs->setMovable(true);
    m_centre->addWidget(m_welcome);
    m_centre->addWidget(m_tabs);
    setCentralWidget(m_centre);
    connect(m_welcome, &CWelcomePane::newRequested, this, [this] { RunCommand(kIdFileNew); });
    connect(m_welcome, &CWelcomePane::openRequested, this, [this] { RunCommand(kIdFileOpen); });
    connect(m_welcome, &CWelcomePane::recentRequested, this, [this](const QString &path) {
        if (!OpenConsole(path) && m_recent) {
            m_recent->Remove(path);
            ShowWelcomeOrTabs();
        }
    });

    m_preview = MakePane(this, QStringLiteral("Pane121"), m_previewView = new CDockPreview);
    m_properties = MakePane(this, QStringLiteral("Pane120"), m_propertiesView = new CDockProperties(*m_picker));
    addDockWidget(Qt::BottomDockWidgetArea, m_preview);
    addDockWidget(Qt::RightDockWidgetArea, m_properties);
    // Room for the panel's captions beside their values, until a saved layout says otherwise.
    resizeDocks({m_properties}, {kPropertiesPaneWidth}, Qt::Horizontal);

    InstallCommandHandlers();
    ConnectCommands();
    connect(m_tabs, &QTabWidget::currentChanged, this, &CMainFrame::OnActiveViewChanged);
    connect(m_tabs, &QTabWidget::tabCloseRequested, this,
            [this](int index) { CloseConsole(static_cast<CChildFrame *>(m_tabs->widget(index))); });
    connect(m_ribbon, &CRibbon::languageChosen, this, &CMainFrame::SelectLanguage);

    QList<QPair<int, QString>> languages;
    for (int language = 0; language < kLanguageCommandCount; ++language)
        languages.append({language, Localisation().LanguageName(language)});
    m_ribbon->SetLanguages(languages, Localisation().LanguageGet());

    PlaceOnScreen();
    LoadLayout(CAppFolders(m_appFolder).LayoutFile());
    RefreshTexts();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // Tabs taken away now are no change of console to follow.
    m_tabs->disconnect(this);
    m_previewView->SetDocument(nullptr);
    m_propertiesView->SetDocument(nullptr);
    // The views let go of their documents before anything else goes.
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

CKorvaneDoc *CMainFrame::ActiveDocument() const
{
    CChildFrame *frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

std::vector<CChildFrame *> CMainFrame::Frames() const
{
    std::vector<CChildFrame *> frames;
    for (int i = 0; i < m_tabs->count(); ++i)
        frames.push_back(static_cast<CChildFrame *>(m_tabs->widget(i)));
    return frames;
}

void CMainFrame::SetBackgroundImage(const QImage &image)
{
    m_background = image;
    const QImage *shared = m_background.isNull() ? nullptr : &m_background;
    for (CChildFrame *frame : Frames())
        frame->View().Canvas().SetBackgroundImage(shared);
    m_previewView->SetBackgroundImage(shared);
}

void CMainFrame::PlaceOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, available.size() * kFirstWindowShare, available));
}

void CMainFrame::ShowWelcomeOrTabs()
{
    if (m_tabs->count() > 0) {
        m_centre->setCurrentWidget(m_tabs);
        return;
    }
    m_welcome->SetRecentFiles(m_recent ? m_recent->Files() : QStringList());
    m_centre->setCurrentWidget(m_welcome);
}

void CMainFrame::OnActiveViewChanged()
{
    ShowWelcomeOrTabs();
    // A pending placement belongs to no console in particular; the mode does not survive a
    // change of console.
    m_state.mode = kModeIdle;
    if (CKorvaneView *view = ActiveView())
        view->UpdateCursor();
    m_previewView->SetDocument(ActiveDocument());
    m_propertiesView->SetDocument(ActiveDocument());
    UpdateCommandStates();
}

void CMainFrame::UpdateTabTitle(CChildFrame *frame)
{
    const int index = m_tabs->indexOf(frame);
    if (index < 0)
        return;
    const CKorvaneDoc &doc = frame->Document();
    m_tabs->setTabText(index, doc.Title() + (doc.IsModified() ? QStringLiteral("*") : QString()));
    const QString path = doc.PathName();
    m_tabs->setTabToolTip(index, path.isEmpty() ? doc.Title() : QDir::toNativeSeparators(path));
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    QString title = QString::fromLatin1(kProductTitle);
    if (const CKorvaneDoc *doc = ActiveDocument())
        title += QStringLiteral(" - ") + doc->Title() + (doc->IsModified() ? QStringLiteral("*") : QString());
    setWindowTitle(title);
}

void CMainFrame::SelectLanguage(int language)
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
    // The panel's captions and lists are words too.
    m_propertiesView->Rebuild();
}

// ---- closing, dropping

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // Every question first: a Cancel on any console leaves every tab as it was.
    for (CChildFrame *frame : Frames()) {
        if (!SaveIfTheUserWants(frame)) {
            event->ignore();
            return;
        }
    }
    for (CChildFrame *frame : Frames())
        RemoveFrame(frame);
    m_clipboard.Clear();
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
