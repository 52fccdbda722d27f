// Start-up and exit of the editor.
#include "editor/korvane_app.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStyleFactory>

#include "core/folders.h"
#include "midi/midi_handler.h"
#include "core/words.h"
#include "design/default_look.h"
#include "midi/midi_in_device.h"
#include "editor/korvane_view.h"
#include "editor/main_frame.h"
#include "model/korvane_doc.h"
#include "model/recovery.h"

namespace korvane {

namespace {


} // namespace

std::vector<ThemeEntry> ReadThemeDescription(const QString &text)
{
    std::vector<ThemeEntry> entries;
    std::optional<ThemeEntry> current;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString section = line.mid(1, line.size() - 2);
            current.reset();
            if (section.startsWith(QLatin1String("file"), Qt::CaseInsensitive)) {
                const int dot = section.indexOf(QLatin1Char('.'));
                current = ThemeEntry{(dot >= 0 ? section.mid(dot + 1) : section) + QStringLiteral(".ini"), {}, {}};
            }
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!current || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key.compare(QLatin1String("ColorSchemes"), Qt::CaseInsensitive) == 0)
            current->colorScheme = value;
        else if (key.compare(QLatin1String("Sizes"), Qt::CaseInsensitive) == 0)
            current->size = value;
        // The entry counts once both are known.
        if (!current->colorScheme.isEmpty() && !current->size.isEmpty()) {
            entries.push_back(*current);
            current.reset();
        }
    }
    return entries;
}

void ApplyDarkStyle(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), accent(232, 160, 48);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Link, accent);
    dark.setColor(QPalette::Highlight, accent);
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    app.setPalette(dark);
}

std::unique_ptr<CMidiInDispatcher> RouteMidiToActiveConsole(CMainFrame &frame)
{
    QPointer<CMainFrame> target(&frame);
    return std::make_unique<CMidiInDispatcher>([target](const MidiInMessage &message) {
        if (CKorvaneDoc *doc = target ? target->ActiveDocument() : nullptr)
            doc->ApplyMidiInput(message.command, message.channel, message.type, message.value);
    });
}

CKorvaneApp::CKorvaneApp() = default;

CKorvaneApp::~CKorvaneApp()
{
    // At exit: MIDI first (its threads may still post), then the window, then the designs.
    for (auto &device : m_midiDevices) {
        if (device)
            device->Close();
    }
    m_midiDevices.clear();
    m_midiDispatcher.reset();
    // Reaching here is a clean exit: the copies kept against a crash go.
    if (m_recovery)
        m_recovery->Clear();
    m_recovery.reset();
    m_mainFrame.reset();
    m_library.clear();
    m_themes.clear();
}

bool CKorvaneApp::InitInstance(QApplication &app, const QString &appFolder, std::optional<int> language)
{
    m_appFolder = appFolder;
    Localisation().Load(appFolder);
    dataConsole::FillDesignLibrary(m_library, appFolder);
    m_background = QImage(CAppFolders(appFolder).DefaultBackgroundImage());
    (void)dataConsole::DrawHelper::DefaultLook();
    LoadVisualStyle(app);
    m_settings = CreateAppSettings(appFolder);

    m_mainFrame = std::make_unique<CMainFrame>(appFolder, &m_library);
    m_mainFrame->SetBackgroundImage(m_background);
    m_recentFiles = std::make_unique<CRecentFileList>(*m_settings);
    m_mainFrame->SetRecentFiles(m_recentFiles.get());
    m_mainFrame->showMaximized();
    StartRecovery();
    OpenMidiInput();
    // The same as choosing it in the Language popup, its check mark included.
    if (language)
        m_mainFrame->SelectLanguage(*language);
    return true;
}

void CKorvaneApp::StartRecovery()
{
    CMainFrame *frame = m_mainFrame.get();
    m_recovery = std::make_unique<CRecovery>(m_appFolder, [frame] {
        std::vector<CKorvaneDoc *> documents;
        for (CChildFrame *child : frame->Frames())
            documents.push_back(&child->Document());
        return documents;
    });
    const std::vector<CRecoveredConsole> leftovers = m_recovery->Leftovers();
    if (!leftovers.empty()) {
        const auto answer = QMessageBox::question(
            frame, QString::fromLatin1(kProductTitle),
            QStringLiteral("Korvane did not close properly last time. It kept copies of %1 with unsaved "
                           "changes.\n\nRestore them? Each opens as a modified console; nothing is written over "
                           "your files until you save.")
                .arg(leftovers.size() == 1 ? QStringLiteral("one console")
                                           : QStringLiteral("%1 consoles").arg(leftovers.size())),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            for (const CRecoveredConsole &console : leftovers) {
                if (std::unique_ptr<CKorvaneDoc> doc = m_recovery->Restore(console, &m_library))
                    frame->AddConsole(std::move(doc));
            }
        }
        m_recovery->DropLeftovers();
    }
    m_recovery->Start();
}

void CKorvaneApp::LoadVisualStyle(QApplication &app)
{
    ApplyDarkStyle(app);
    // A style folder may carry a theme description; its first entry names the style sheet.
    const CAppFolders folders(m_appFolder);
    const QString folder = folders.StyleFolder();
    QFile description(folders.ThemeDescription());
    if (!description.open(QIODevice::ReadOnly))
        return;
    m_themes = ReadThemeDescription(QString::fromUtf8(description.readAll()));
    if (m_themes.empty())
        return;
    QString sheetName = m_themes.front().styleFile;
    sheetName.replace(QRegularExpression(QStringLiteral("\\.ini$"), QRegularExpression::CaseInsensitiveOption),
                      QStringLiteral(".qss"));
    QFile sheet(ResolvePathNoCase(folder, sheetName));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void CKorvaneApp::OpenMidiInput()
{
    m_midiDispatcher = RouteMidiToActiveConsole(*m_mainFrame);
    std::vector<RtMidi::Api> candidates = midi::CandidateMidiApis();
    // The same switch as korvane-cli's, for machines with both services.
    if (const QByteArray forced = qgetenv("KORVANE_MIDI_API"); !forced.isEmpty()) {
        if (const std::optional<RtMidi::Api> chosen = midi::MidiApiFromName(forced.toStdString()))
            candidates = {*chosen};
    }
    const std::optional<RtMidi::Api> api = midi::SelectMidiApi(candidates);
    if (!api)
        return; // no MIDI service: the editor works without input
    try {
        m_midiDevices = midi::OpenEveryMidiInPort(*api, &HandleMidiShortMessage);
    } catch (const midi::CMIDIInException &) {
        m_midiDevices.clear();
    }
}

} // namespace korvane
