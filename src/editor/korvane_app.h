// The application object: start-up in its fixed order (folders, crash reports, words, the
// design library, the background, the default look, the visual style, settings, the main
// window, MIDI input, the interface language) and the clean-up at exit.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

#include "design/design_list.h"

class QApplication;
class QSettings;

namespace midi {
class CMIDIInDevice;
}

namespace korvane {

class CMainFrame;
class CRecentFileList;
class CRecovery;
class CMidiInDispatcher;

// One entry of a visual style's theme description: the style file, its colour scheme and
// its size.
struct ThemeEntry
{
    QString styleFile;
    QString colorScheme;
    QString size;
    bool operator==(const ThemeEntry &) const = default;
};

// Reads a theme description: each section whose name starts with "file" (any case), such as
// [File.Normal], begins an entry for "Normal.ini"; its "ColorSchemes" and "Sizes" keys (any
// case, values trimmed on the left) complete it, and another section ends it.
std::vector<ThemeEntry> ReadThemeDescription(const QString &text);

// Fusion with a dark palette: consoles are dark, and an editor around them in light colours
// would glare on a show's control desk.
void ApplyDarkStyle(QApplication &app);

// Hands every MIDI message that reaches the main thread to the document of the console
// active in `frame` at that moment (none: the message is dropped).
std::unique_ptr<CMidiInDispatcher> RouteMidiToActiveConsole(CMainFrame &frame);

class CKorvaneApp
{
public:
    CKorvaneApp();
    ~CKorvaneApp();

    // Starts the editor on `appFolder`; `language` comes from the command line. False when
    // the program must end at once.
    bool InitInstance(QApplication &app, const QString &appFolder, std::optional<int> language);
    CMainFrame *MainFrame() const { return m_mainFrame.get(); }
    const dataConsole::CDesignList &DesignLibrary() const { return m_library; }

private:
    void LoadVisualStyle(QApplication &app);
    void OpenMidiInput();
    // Offers the copies of modified consoles an earlier run left when it did not close
    // cleanly, then keeps copies of this run's.
    void StartRecovery();

    QString m_appFolder;
    dataConsole::CDesignList m_library;
    QImage m_background;
    std::vector<ThemeEntry> m_themes;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CRecovery> m_recovery;
    std::unique_ptr<CMidiInDispatcher> m_midiDispatcher;
    std::vector<std::unique_ptr<midi::CMIDIInDevice>> m_midiDevices;
};

} // namespace korvane
